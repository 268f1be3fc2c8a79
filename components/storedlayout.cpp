// SPDX-License-Identifier: MIT
#include "components/storedlayout.h"

#include "components/colorword.h"
#include "components/fonts.h"
#include "components/twips.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

struct Placed
{
    QWidget *widget = nullptr;
    int tabIndex = -1;
    QList<Placed> children;
};

QRect lineGeometry(const QJsonObject &entry, double scale)
{
    // A horizontal or vertical line: its two ends in twips, its width in pixels.
    const int x1 = Twips::toPixels(entry.value(QLatin1String("x1")).toInt(), scale);
    const int y1 = Twips::toPixels(entry.value(QLatin1String("y1")).toInt(), scale);
    const int x2 = Twips::toPixels(entry.value(QLatin1String("x2")).toInt(), scale);
    const int y2 = Twips::toPixels(entry.value(QLatin1String("y2")).toInt(), scale);
    const int width =
        qMax(1, int(std::lround(entry.value(QLatin1String("borderWidth")).toInt(1) * scale)));
    const int half = width / 2;
    if (y1 == y2)
        return {qMin(x1, x2), y1 - half, qAbs(x2 - x1) + 1, width};
    return {x1 - half, qMin(y1, y2), width, qAbs(y2 - y1) + 1};
}

void applyColor(QWidget *widget, const char *property, QPalette::ColorRole role,
                const QJsonValue &value)
{
    bool ok = false;
    const quint32 word = ColorWord::parse(value.toString(), &ok);
    if (!ok)
        return;
    // System colours come from the platform palette, not from what a parent may have changed.
    const QColor color = ColorWord::toColor(word, QApplication::palette(widget));
    if (widget->metaObject()->indexOfProperty(property) >= 0) {
        widget->setProperty(property, color);
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    if (role == widget->backgroundRole())
        widget->setAutoFillBackground(true);
}

void placeFont(QWidget *widget, const QJsonObject &entry, double scale)
{
    const QJsonObject font = entry.value(QLatin1String("font")).toObject();
    if (!font.isEmpty()) {
        widget->setFont(Fonts::designFont(font.value(QLatin1String("family")).toString(),
                                          font.value(QLatin1String("size")).toDouble() * scale,
                                          font.value(QLatin1String("weight")).toInt(400)));
    }
}

// Position, size, line and outline widths: what a scale changes besides the font.
void placeGeometry(QWidget *widget, const QJsonObject &entry, double scale, const QPoint &origin)
{
    if (entry.contains(QLatin1String("x1"))) {
        widget->setGeometry(lineGeometry(entry, scale).translated(origin));
    } else if (entry.contains(QLatin1String("width"))) {
        widget->setGeometry(Twips::toPixels(entry.value(QLatin1String("left")).toInt(),
                                            entry.value(QLatin1String("top")).toInt(),
                                            entry.value(QLatin1String("width")).toInt(),
                                            entry.value(QLatin1String("height")).toInt(), scale)
                                .translated(origin));
        if (entry.contains(QLatin1String("borderWidth")))
            widget->setProperty("borderWidth",
                                entry.value(QLatin1String("borderWidth")).toDouble() * scale);
    }
}

void applyEntry(QWidget *widget, const QJsonObject &entry)
{
    placeGeometry(widget, entry, 1.0, QPoint());
    if (entry.contains(QLatin1String("text"))) {
        const char *property =
            widget->metaObject()->indexOfProperty("caption") >= 0 ? "caption" : "text";
        widget->setProperty(property, QCoreApplication::translate(
                                          StoredLayout::TextContext,
                                          entry.value(QLatin1String("text")).toString().toUtf8()));
    }
    if (entry.contains(QLatin1String("backColor")))
        applyColor(widget, "backColor", widget->backgroundRole(),
                   entry.value(QLatin1String("backColor")));
    if (entry.contains(QLatin1String("foreColor")))
        applyColor(widget, "foreColor", widget->foregroundRole(),
                   entry.value(QLatin1String("foreColor")));
    if (entry.contains(QLatin1String("borderColor")))
        applyColor(widget, "borderColor", QPalette::Mid, entry.value(QLatin1String("borderColor")));
    const QJsonObject properties = entry.value(QLatin1String("properties")).toObject();
    for (auto it = properties.begin(); it != properties.end(); ++it)
        widget->setProperty(it.key().toUtf8().constData(), it.value().toVariant());
    if (entry.contains(QLatin1String("visible")))
        widget->setVisible(entry.value(QLatin1String("visible")).toBool());
}

QList<Placed> applyList(QWidget *root, const QJsonArray &entries, QStringList &missing)
{
    QList<Placed> placed;
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value(QLatin1String("name")).toString();
        QObject *object = root->objectName() == name ? root : root->findChild<QObject *>(name);
        if (!object) {
            missing << name;
            continue;
        }
        const QJsonObject properties = entry.value(QLatin1String("properties")).toObject();
        QWidget *widget = qobject_cast<QWidget *>(object);
        if (!widget) {
            // Not drawn, such as a timer: only its properties apply.
            for (auto it = properties.begin(); it != properties.end(); ++it)
                object->setProperty(it.key().toUtf8().constData(), it.value().toVariant());
            continue;
        }
        applyEntry(widget, entry);
        Placed here{widget, entry.value(QLatin1String("tabIndex")).toInt(-1), {}};
        here.children = applyList(root, entry.value(QLatin1String("children")).toArray(), missing);
        // A control's font reaches the children that have none of their own yet: set after
        // theirs, it has no child lay out its text once more in a font it never shows.
        placeFont(widget, entry, 1.0);
        placed << here;
    }
    // Listed front to back: raising from the back leaves the first one on top.
    for (auto it = placed.crbegin(); it != placed.crend(); ++it)
        it->widget->raise();
    return placed;
}

void placeList(QWidget *root, const QJsonArray &entries, double scale, const QPoint &origin)
{
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value(QLatin1String("name")).toString();
        QWidget *widget = root->objectName() == name ? root : root->findChild<QWidget *>(name);
        if (widget)
            placeGeometry(widget, entry, scale, origin);
        placeList(root, entry.value(QLatin1String("children")).toArray(), scale, QPoint());
        if (widget)
            placeFont(widget, entry, scale);
    }
}

QJsonObject findEntry(const QJsonArray &entries, const QString &name)
{
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        if (entry.value(QLatin1String("name")).toString() == name)
            return entry;
        const QJsonObject inside =
            findEntry(entry.value(QLatin1String("children")).toArray(), name);
        if (!inside.isEmpty())
            return inside;
    }
    return {};
}

bool takesTabFocus(const QWidget *widget)
{
    return widget->focusPolicy() & Qt::TabFocus;
}

// A control that takes no focus itself, such as a row, stands in the chain for the controls
// inside it, in the order it gave them; Qt ignores tab-order calls on the control itself.
void appendFocusStops(QWidget *widget, QList<QWidget *> &chain)
{
    if (takesTabFocus(widget)) {
        chain << widget;
        return;
    }
    for (QWidget *next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain()) {
        if (widget->isAncestorOf(next) && takesTabFocus(next))
            chain << next;
    }
}

void collectTabChain(QList<Placed> siblings, QList<QWidget *> &chain)
{
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](const Placed &a, const Placed &b) { return a.tabIndex < b.tabIndex; });
    for (const Placed &p : siblings) {
        // A stored child list means the children are placed, and ordered, here.
        if (p.tabIndex >= 0 && p.children.isEmpty())
            appendFocusStops(p.widget, chain);
        collectTabChain(p.children, chain);
    }
}

} // namespace

StoredLayout StoredLayout::load(const QString &path)
{
    StoredLayout layout;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        layout.m_error = QStringLiteral("cannot open %1").arg(path);
        return layout;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        layout.m_error = QStringLiteral("%1: %2").arg(path, parseError.errorString());
        return layout;
    }
    const QJsonObject top = document.object();
    layout.m_caption = top.value(QLatin1String("caption")).toString();
    layout.m_clientSize = QSize(Twips::toPixels(top.value(QLatin1String("clientWidth")).toInt()),
                                Twips::toPixels(top.value(QLatin1String("clientHeight")).toInt()));
    layout.m_controls = top.value(QLatin1String("controls")).toArray();
    layout.m_menus = top.value(QLatin1String("menus")).toArray();
    return layout;
}

QStringList StoredLayout::applyTo(QWidget *root) const
{
    QStringList missing;
    const QList<Placed> placed = applyList(root, m_controls, missing);
    QList<QWidget *> chain;
    collectTabChain(placed, chain);
    // Qt takes a call from the window's last stop to its first as already in order, which would
    // leave the chain starting wherever the first control made happens to be. With a stop held
    // at the end while the chain is built, no call wraps round.
    QWidget lastStop(root);
    lastStop.setFocusPolicy(Qt::TabFocus);
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    return missing;
}

void StoredLayout::placeAt(QWidget *root, double scale, const QPoint &origin) const
{
    placeList(root, m_controls, scale, origin);
}

QRect StoredLayout::placement(const QString &name) const
{
    const QJsonObject entry = findEntry(m_controls, name);
    return {entry.value(QLatin1String("left")).toInt(), entry.value(QLatin1String("top")).toInt(),
            entry.value(QLatin1String("width")).toInt(),
            entry.value(QLatin1String("height")).toInt()};
}

QString StoredLayout::caption() const
{
    return QCoreApplication::translate(TextContext, m_caption.toUtf8());
}

StoredLayout StoredLayout::loadAndApply(const QString &path, QWidget *root)
{
    // A layout compiled into the program never changes, so it is read once however many
    // controls it lays out: the seven rows share one.
    static QHash<QString, StoredLayout> compiledIn;
    const bool isCompiledIn = path.startsWith(u':');
    const auto stored = isCompiledIn ? compiledIn.constFind(path) : compiledIn.constEnd();
    const StoredLayout layout = stored != compiledIn.constEnd() ? *stored : load(path);
    if (isCompiledIn && stored == compiledIn.constEnd())
        compiledIn.insert(path, layout);
    QString fault = layout.errorString();
    if (layout.isValid()) {
        const QStringList missing = layout.applyTo(root);
        if (!missing.isEmpty())
            fault = QStringLiteral("%1: no control for %2").arg(path, missing.join(u','));
    }
    // Reported, not fatal: the window still works with the controls it has.
    if (!fault.isEmpty())
        qCritical("%s", qPrintable(fault));
    return layout;
}
