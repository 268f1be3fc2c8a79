// SPDX-License-Identifier: MIT
#include "timing/verdict.h"

#include <QTest>

// The verdict: the window from the earliest to the latest lamp, widened by the grace period.
class TestVerdict : public QObject
{
    Q_OBJECT

private slots:
    void judged_data();
    void judged();
};

using Thresholds = std::array<int, 3>;
Q_DECLARE_METATYPE(Thresholds)

void TestVerdict::judged_data()
{
    QTest::addColumn<Thresholds>("thresholds");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<int>("grace");
    QTest::addColumn<bool>("rehearsal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sentence");

    const Thresholds iceBreaker{240, 300, 360};
    QTest::newRow("first lamp less grace, to the second")
        << iceBreaker << 210 << 30 << false << "Qualified"
        << "qualified";
    QTest::newRow("a second before it") << iceBreaker << 209 << 30 << false << "Under by 0:01"
                                        << "under time by 0:01";
    QTest::newRow("last lamp plus grace, to the second")
        << iceBreaker << 390 << 30 << false << "Qualified"
        << "qualified";
    QTest::newRow("a second after it") << iceBreaker << 391 << 30 << false << "Over by 0:01"
                                       << "over time by 0:01";
    QTest::newRow("15 s grace, at its edge") << iceBreaker << 225 << 15 << false << "Qualified"
                                             << "qualified";
    QTest::newRow("15 s grace, beyond it") << iceBreaker << 376 << 15 << false << "Over by 0:01"
                                           << "over time by 0:01";
    QTest::newRow("no grace, first lamp") << iceBreaker << 240 << 0 << false << "Qualified"
                                          << "qualified";
    QTest::newRow("no grace, under") << iceBreaker << 239 << 0 << false << "Under by 0:01"
                                     << "under time by 0:01";
    QTest::newRow("no grace, last lamp") << iceBreaker << 360 << 0 << false << "Qualified"
                                         << "qualified";
    QTest::newRow("no grace, over") << iceBreaker << 361 << 0 << false << "Over by 0:01"
                                    << "over time by 0:01";
    QTest::newRow("far under") << iceBreaker << 5 << 30 << false << "Under by 3:25"
                               << "under time by 3:25";
    QTest::newRow("past 100 minutes") << iceBreaker << 6000 << 30 << false << "Over by 93:30"
                                      << "over time by 93:30";
    QTest::newRow("out of order: earliest is the first lamp")
        << Thresholds{300, 240, 360} << 239 << 0 << false << "Under by 0:01"
        << "under time by 0:01";
    QTest::newRow("out of order: latest is the last lamp")
        << Thresholds{360, 300, 240} << 361 << 0 << false << "Over by 0:01"
        << "over time by 0:01";
    QTest::newRow("one threshold only, under")
        << Thresholds{0, 0, 120} << 119 << 0 << false << "Under by 0:01"
        << "under time by 0:01";
    QTest::newRow("one threshold only, on it")
        << Thresholds{0, 120, 0} << 120 << 0 << false << "Qualified"
        << "qualified";
    QTest::newRow("one threshold only, over")
        << Thresholds{120, 0, 0} << 131 << 10 << false << "Over by 0:01"
        << "over time by 0:01";
    QTest::newRow("a zero after a lamp is no lamp")
        << Thresholds{120, 0, 0} << 100 << 0 << false << "Under by 0:20"
        << "under time by 0:20";
    QTest::newRow("no threshold") << Thresholds{0, 0, 0} << 100 << 30 << false << "No limits"
                                  << "no limits";
    QTest::newRow("rehearsal") << iceBreaker << 391 << 30 << true << ""
                               << "";
}

void TestVerdict::judged()
{
    QFETCH(Thresholds, thresholds);
    QFETCH(int, elapsed);
    QFETCH(int, grace);
    QFETCH(bool, rehearsal);
    const Verdict verdict = judgeSpeech(thresholds, elapsed, grace, rehearsal);
    QTEST(verdict.text(), "text");
    QTEST(verdict.sentence(), "sentence");
}

QTEST_GUILESS_MAIN(TestVerdict)
#include "tst_verdict.moc"
