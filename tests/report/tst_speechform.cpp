// SPDX-License-Identifier: MIT
#include "components/maskedtimebox.h"
#include "report/speechform.h"
#include "timing/speechcategories.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

class TestSpeechForm : public QObject
{
    Q_OBJECT

private slots:
    void thresholds_data();
    void thresholds();
};

using Seconds = std::array<int, 3>;
Q_DECLARE_METATYPE(Seconds)

// The category chosen in the list, then digits typed into the three boxes: CUSTOM takes them,
// in order, and any other row keeps its own.
void TestSpeechForm::thresholds_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<Seconds>("expected");
    QTest::addColumn<bool>("ok");
    QTest::newRow("CUSTOM chosen, typed") << SpeechCategories::CustomRow
                                          << QStringList{"0500", "0600", "0700"}
                                          << Seconds{300, 360, 420} << true;
    QTest::newRow("CUSTOM out of order") << SpeechCategories::CustomRow
                                         << QStringList{"0300", "0200", "0400"}
                                         << Seconds{180, 120, 240} << false;
    QTest::newRow("CUSTOM chosen, nothing typed")
        << SpeechCategories::CustomRow << QStringList{} << Seconds{} << false;
    QTest::newRow("a row's own, not typed over")
        << 2 << QStringList{"0100", "0100", "0100"} << Seconds{300, 360, 420} << true;
}

void TestSpeechForm::thresholds()
{
    QFETCH(int, row);
    QFETCH(QStringList, typed);
    QFETCH(Seconds, expected);
    QFETCH(bool, ok);
    SpeechForm form(QStringLiteral("Add"), true, false);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.categoryBox()->setCurrentIndex(form.categoryBox()->findData(row));
    const QList<MaskedTimeBox *> boxes = form.findChildren<MaskedTimeBox *>();
    for (qsizetype i = 0; i < typed.size(); ++i) {
        boxes[i]->setFocus();
        boxes[i]->setCursorPosition(0);
        QTest::keyClicks(boxes[i], typed[i]);
    }
    QCOMPARE(form.thresholdSeconds(), expected);
    QCOMPARE(form.findChild<QPushButton *>()->isEnabled(), ok);
    QCOMPARE(form.problem().isEmpty(), ok);
}

QTEST_MAIN(TestSpeechForm)
#include "tst_speechform.moc"
