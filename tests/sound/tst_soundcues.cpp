// SPDX-License-Identifier: MIT
#include "sound/soundcues.h"

#include <QTest>

#include <algorithm>

// Which cue each second of a speech plays, the lamps lighting in order at their thresholds.
class TestSoundCues : public QObject
{
    Q_OBJECT

private slots:
    void cuesOfASpeech_data();
    void cuesOfASpeech();
};

void TestSoundCues::cuesOfASpeech_data()
{
    QTest::addColumn<QList<int>>("thresholds");
    QTest::addColumn<int>("grace");
    QTest::addColumn<int>("repeat");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("cues"); // "second:chimes" for a lamp, "second:B" for the bell
    QTest::newRow("a chime per lamp, the bell once")
        << QList<int>{2, 4, 6} << 0 << 0 << 70 << "2:1 4:2 6:3 7:B";
    QTest::newRow("the bell after the grace")
        << QList<int>{2, 4, 6} << 15 << 0 << 70 << "2:1 4:2 6:3 22:B";
    QTest::newRow("the bell every 30 s")
        << QList<int>{2, 4, 6} << 30 << 30 << 100 << "2:1 4:2 6:3 37:B 67:B 97:B";
    QTest::newRow("green alone: no bell") << QList<int>{5, 0, 0} << 0 << 30 << 70 << "5:1";
    QTest::newRow("no thresholds: silence") << QList<int>{0, 0, 0} << 0 << 30 << 70 << "";
}

void TestSoundCues::cuesOfASpeech()
{
    QFETCH(QList<int>, thresholds);
    QFETCH(int, grace);
    QFETCH(int, repeat);
    QFETCH(int, seconds);
    QFETCH(QString, cues);
    SoundCues soundCues;
    soundCues.start({thresholds[0], thresholds[1], thresholds[2]});
    QStringList heard;
    for (int second = 1; second <= seconds; ++second) {
        const int lamp = int(std::count_if(thresholds.begin(), thresholds.end(),
                                           [second](int t) { return t > 0 && t <= second; }));
        const SoundCues::Cue cue = soundCues.tick(
            qint16(second), lamp, [grace] { return grace; }, [repeat] { return repeat; });
        if (cue == SoundCues::Cue::Overtime)
            heard << QStringLiteral("%1:B").arg(second);
        else if (cue != SoundCues::Cue::None)
            heard << QStringLiteral("%1:%2").arg(second).arg(int(cue) - int(SoundCues::Cue::None));
    }
    QCOMPARE(heard.join(u' '), cues);
}

QTEST_GUILESS_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
