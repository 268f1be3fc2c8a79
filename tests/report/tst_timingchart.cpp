// SPDX-License-Identifier: MIT
#include "report/timingchart.h"
#include "tests/report/speeches.h"

#include <QFontMetrics>
#include <QTest>

using namespace Speeches;

class TestTimingChart : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
};

namespace {

// The CUSTOM row with thresholds of 3, 4 and 5 s.
SpeechRecord shortRun(int minute, int elapsedSeconds, int graceSeconds)
{
    const auto run =
        SpeechRecord::started(MeetingStart.addSecs(minute * 60), 6, QStringLiteral("CUSTOM Events"),
                              {"00:03", "00:04", "00:05"}, {3, 4, 5}, false);
    return SpeechRecord::finished(run, elapsedSeconds, SpeechRecord::Lamp::Red, true, graceSeconds);
}

} // namespace

void TestTimingChart::layout_data()
{
    QTest::addColumn<QList<SpeechRecord>>("speeches");
    QTest::addColumn<int>("axisAtLeast");
    QTest::addColumn<int>("axisAtMost");
    QTest::newRow("qualified inside its grace: the words right of the band")
        << QList<SpeechRecord>{shortRun(0, 7, 15), shortRun(5, 23, 15)} << 23 << 30;
    QTest::newRow("a mistaken start in a 4 to 6 minute category sets no axis")
        << QList<SpeechRecord>{shortRun(0, 7, 15), iceBreaker(3, 0), shortRun(5, 23, 15)} << 23
        << 30;
    QTest::newRow("under, over and no limits")
        << QList<SpeechRecord>{iceBreaker(0, 100, "Ann Lee"), iceBreaker(8, 500, "Bo"),
                               custom(16, 61)}
        << 500 << 600;
}

// No words are drawn over the green-to-red bands, and the axis is as long as the real speeches.
void TestTimingChart::layout()
{
    QFETCH(QList<SpeechRecord>, speeches);
    QFETCH(int, axisAtLeast);
    QFETCH(int, axisAtMost);
    const QFontMetrics metrics{QFont()};
    const QRect area(0, 0, 700, TimingChart::heightFor(metrics, int(speeches.size())));
    const TimingChart::Layout shape = TimingChart::layout(metrics, area, speeches);

    QVERIFY2(shape.axisEndSeconds >= axisAtLeast && shape.axisEndSeconds <= axisAtMost,
             qPrintable(QString::number(shape.axisEndSeconds)));
    QCOMPARE(shape.rows.size(), speeches.size());
    for (const TimingChart::Row &row : shape.rows) {
        QVERIFY(area.contains(row.end.toAlignedRect()));
        for (const TimingChart::Row &other : shape.rows) {
            QVERIFY(!row.name.intersects(other.band));
            QVERIFY(!row.end.intersects(other.band));
        }
    }
}

QTEST_MAIN(TestTimingChart)
#include "tst_timingchart.moc"
