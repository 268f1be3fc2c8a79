// SPDX-License-Identifier: MIT
#include "report/agendarejects.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class TestAgendaRejects : public QObject
{
    Q_OBJECT

private slots:
    void choices_data();
    void choices();
};

void TestAgendaRejects::choices_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<bool>("addGood");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<int>("result");
    QTest::newRow("good ones added")
        << QByteArray("name,category\nAnn,1\nBo,9\n") << true
        << QStringList{"3", "Bo,9",
                       "Unknown category \"9\": give a row's number, 1 to 7, or the "
                       "start of its description"}
        << int(QDialog::Accepted);
    QTest::newRow("nothing added") << QByteArray("name,category\nAnn,1\nBo,9\n") << false
                                   << QStringList{"3", "Bo,9"} << int(QDialog::Rejected);
    QTest::newRow("nothing good: only a close")
        << QByteArray("\xFF") << false << QStringList{"", "", "Not UTF-8 text"}
        << int(QDialog::Rejected);
}

void TestAgendaRejects::choices()
{
    QFETCH(QByteArray, csv);
    QFETCH(bool, addGood);
    QFETCH(QStringList, firstRow);
    QFETCH(int, result);
    const AgendaReading reading = AgendaReader::readCsv(csv);
    AgendaRejects dialog(reading);
    QCOMPARE(dialog.table()->rowCount(), reading.rejected.size());
    for (int column = 0; column < firstRow.size(); ++column)
        QCOMPARE(dialog.table()->item(0, column)->text(), firstRow[column]);
    QCOMPARE(dialog.addGoodButton() != nullptr, !reading.speeches.isEmpty());
    QTest::mouseClick(addGood ? dialog.addGoodButton() : dialog.addNothingButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), result);
}

QTEST_MAIN(TestAgendaRejects)
#include "tst_agendarejects.moc"
