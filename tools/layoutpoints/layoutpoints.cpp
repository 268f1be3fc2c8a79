// SPDX-License-Identifier: MIT
// Prints, as shell assignments for tools/lib.sh, the window's caption and client size and the
// points the display tests click and look at, in logical pixels of the client area. They come
// from the stored layouts, placed as the program places the controls: each control's twips
// converted on its own and added to its parent's place in pixels. A point is a control's centre
// unless said otherwise.

#include "components/storedlayout.h"
#include "components/twips.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

const QString WindowLayout = QStringLiteral(":/layouts/lecternworkstimer.json");
const QString LightLayout = QStringLiteral(":/layouts/horizontaltimer.json");
const QString RowLayout = QStringLiteral(":/layouts/timereventdata.json");
const QStringList Lamps{QStringLiteral("shapeTimerCircle(10)"),
                        QStringLiteral("shapeTimerCircle(20)"),
                        QStringLiteral("shapeTimerCircle(30)")};
constexpr int RowCount = 7;
constexpr int BoxCount = 3;
// How far into an area a point is read: below the elapsed time, which covers the middle of the
// yellow lamp, and below the red lamp's top for the panel's quiet spot beside it.
constexpr int Inset = 15;
// A time box is read near its right end, clear of its digits.
constexpr int BoxEndInset = 9;

class Placer
{
public:
    // The control's place in pixels inside a parent placed at parent.
    QRect place(const StoredLayout &layout, const QString &name, const QPoint &parent = {})
    {
        const QRect twips = layout.placement(name);
        if (twips.isEmpty())
            m_missing << name;
        return Twips::toPixels(twips.left(), twips.top(), twips.width(), twips.height())
            .translated(parent);
    }
    QStringList missing() const { return m_missing; }

private:
    QStringList m_missing;
};

StoredLayout loaded(const QString &path, QStringList &faults)
{
    const StoredLayout layout = StoredLayout::load(path);
    if (!layout.isValid())
        faults << layout.errorString();
    return layout;
}

QString quoted(QString text)
{
    return u'\'' + text.replace(u'\'', QLatin1String("'\\''")) + u'\'';
}

void print(const char *name, const QString &value)
{
    std::printf("%s=%s\n", name, qPrintable(value));
}

void print(const char *name, int value)
{
    print(name, QString::number(value));
}

void print(const char *name, const QPoint &point)
{
    print(name, QStringLiteral("(%1 %2)").arg(point.x()).arg(point.y()));
}

void printList(const char *name, const QList<int> &values)
{
    QStringList words;
    for (int value : values)
        words << QString::number(value);
    print(name, u'(' + words.join(u' ') + u')');
}

} // namespace

int main()
{
    QStringList faults;
    const StoredLayout window = loaded(WindowLayout, faults);
    const StoredLayout light = loaded(LightLayout, faults);
    const StoredLayout row = loaded(RowLayout, faults);
    if (!faults.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(faults.join(u'\n')));
        return 1;
    }

    Placer placer;
    const QRect lightPlace = placer.place(window, QStringLiteral("HorizontalTimer"));
    const QRect lightPanel = placer.place(light, QStringLiteral("SSPanel1"), lightPlace.topLeft());
    const QRect picture =
        placer.place(light, QStringLiteral("pictureTimerPanel"), lightPanel.topLeft());
    QList<QRect> lamps;
    for (const QString &lamp : Lamps)
        lamps << placer.place(light, lamp, picture.topLeft());
    const QRect elapsed = placer.place(window, QStringLiteral("panelElapsedTime"));
    const QRect start = placer.place(window, QStringLiteral("commandStartTimer"));
    const QRect stop = placer.place(window, QStringLiteral("commandStopTimer"));
    const QRect rows = placer.place(window, QStringLiteral("panelSelectionButtons"));
    // The scripts count rows and boxes from 1.
    QList<int> rowY{0};
    QRect firstRow;
    for (int index = 1; index <= RowCount; ++index) {
        const QRect place =
            placer.place(window, QStringLiteral("TimerEvent(%1)").arg(index), rows.topLeft());
        rowY << place.center().y();
        if (index == 1)
            firstRow = place;
    }
    const QRect radio =
        placer.place(row, QStringLiteral("optionEventSelected"), firstRow.topLeft());
    const QRect name =
        placer.place(row, QStringLiteral("textEventDescription"), firstRow.topLeft());
    QList<int> boxX{0};
    for (int index = 1; index <= BoxCount; ++index) {
        const QRect box =
            placer.place(row, QStringLiteral("EventTime(%1)").arg(index), firstRow.topLeft());
        boxX << box.right() - BoxEndInset;
    }
    if (!placer.missing().isEmpty()) {
        std::fprintf(stderr, "no placement stored for %s\n",
                     qPrintable(placer.missing().join(QLatin1String(", "))));
        return 1;
    }

    const QRect red = lamps.last();
    print("LW_TITLE", quoted(window.caption()));
    print("LW_CLIENT_W", window.clientSize().width());
    print("LW_CLIENT_H", window.clientSize().height());
    // The light as the window places it, which the speaker's view fits to the screen, and as
    // designed on its own, which the speaker's window fits to its monitor.
    print("LW_LIGHT_W", lightPlace.width());
    print("LW_LIGHT_H", lightPlace.height());
    print("LW_LIGHT_OWN_W", light.clientSize().width());
    print("LW_LIGHT_OWN_H", light.clientSize().height());
    QList<int> lampX;
    for (const QRect &lamp : lamps)
        lampX << lamp.center().x();
    printList("LW_LAMP_X", lampX);
    print("LW_LAMP_Y", elapsed.bottom() + 1 + Inset);
    print("LW_LAMP_MID_Y", red.center().y());
    print("LW_LAMP_H", red.height());
    print("LW_START_XY", start.center());
    print("LW_STOP_XY", stop.center());
    print("LW_ELAPSED_XY", elapsed.center());
    print("LW_RADIO_X", radio.center().x());
    print("LW_NAME_X", name.center().x());
    printList("LW_ROW_Y", rowY);
    printList("LW_BOX_X", boxX);
    // Beside the red lamp, midway to the picture's right edge.
    print("LW_NEUTRAL_XY", QPoint((red.right() + picture.right()) / 2, red.top() + Inset));
    return 0;
}
