// SPDX-License-Identifier: MIT
#include "components/menuplacer.h"

#include "components/storedlayout.h"

#include <QAction>
#include <QCoreApplication>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {
const QString ArrayItemName = QStringLiteral("%1(%2)");
const QString Separator = QStringLiteral("-");
} // namespace

QString MenuPlacer::itemName(const QString &name, int index)
{
    return index < 0 ? name : ArrayItemName.arg(name).arg(index);
}

QStringList MenuPlacer::place(const QJsonArray &entries, QMenuBar *bar, QList<QAction *> items)
{
    QStringList faults;
    placeIn(entries, bar, items, faults);
    for (const QAction *item : std::as_const(items))
        faults << QStringLiteral("the layout places no %1").arg(item->objectName());
    return faults;
}

void MenuPlacer::placeIn(const QJsonArray &entries, QWidget *parentMenu, QList<QAction *> &unplaced,
                         QStringList &faults)
{
    auto *bar = qobject_cast<QMenuBar *>(parentMenu);
    auto *menu = qobject_cast<QMenu *>(parentMenu);
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString key = itemName(entry.value(QLatin1String("name")).toString(),
                                     entry.value(QLatin1String("index")).toInt(-1));
        const QString caption = QCoreApplication::translate(
            StoredLayout::TextContext, entry.value(QLatin1String("caption")).toString().toUtf8());
        if (entry.contains(QLatin1String("items"))) {
            QMenu *submenu = bar ? bar->addMenu(caption) : menu->addMenu(caption);
            submenu->setObjectName(key);
            placeIn(entry.value(QLatin1String("items")).toArray(), submenu, unplaced, faults);
            continue;
        }
        if (!menu) {
            faults << QStringLiteral("menu item %1 outside a menu").arg(key);
            continue;
        }
        if (caption == Separator) {
            menu->addSeparator()->setObjectName(key);
            continue;
        }
        const auto found = std::find_if(unplaced.begin(), unplaced.end(),
                                        [&key](QAction *a) { return a->objectName() == key; });
        if (found == unplaced.end()) {
            faults << QStringLiteral("no menu item for %1").arg(key);
            continue;
        }
        QAction *item = *found;
        unplaced.erase(found);
        if (!caption.isEmpty())
            item->setText(caption);
        item->setShortcut(QKeySequence(entry.value(QLatin1String("shortcut")).toString(),
                                       QKeySequence::PortableText));
        menu->addAction(item);
    }
}
