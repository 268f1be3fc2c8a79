// SPDX-License-Identifier: MIT
#include "report/agendarejects.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextDocumentFragment>

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
                       "Unknown category \"9\": give a row's number or the start of its name: 1 "
                       "Ice Breaker Speech (4 to 6 Minutes); 2 Standard Speech (5 to 7 Minutes); 3 "
                       "Advanced Seech (8 to 10 Minutes); 4 Speech Evaluation (2 to 3 Minutes); 5 "
                       "Table Topics (1 to 2 Minutes); 6 CUSTOM Events; 7 Timer TEST"}
        << int(QDialog::Accepted);
    QTest::newRow("nothing added") << QByteArray("name,category\nAnn,1\nBo,9\n") << false
                                   << QStringList{"3", "Bo,9"} << int(QDialog::Rejected);
    QTest::newRow("nothing good: only a close")
        << QByteArray("\x81") << false << QStringList{"", "", "Not UTF-8 text"}
        << int(QDialog::Rejected);
    QTest::newRow("a quoted field of 1,000 line breaks")
        << "name,category\n\"" + QByteArray(1000, '\n') + "Ann\",9" << false << QStringList{"2"}
        << int(QDialog::Rejected);
    QTest::newRow("a category that reads as markup")
        << QByteArray("name,category\nBo,<h1>Bo\n") << false << QStringList{"2"}
        << int(QDialog::Rejected);
    QTest::newRow("a name of 10,000 characters")
        << "name,category\n" + QByteArray(10000, 'x') + ",1" << false << QStringList{"2"}
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
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.table()->rowCount(), reading.rejected.size());
    // One line high, the whole text in a tooltip, the reason in view and whole under the table.
    const QTableWidget *table = dialog.table();
    QVERIFY(table->rowHeight(0) < 2 * table->fontMetrics().height());
    const QString tip = table->item(0, 1)->toolTip();
    QCOMPARE(Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip,
             reading.rejected[0].text);
    QVERIFY(table->visualRect(table->model()->index(0, 2)).left() +
                10 * table->fontMetrics().averageCharWidth() <
            table->viewport()->width());
    QCOMPARE(dialog.shownReason(), reading.rejected[0].reason);
    auto *reason = dialog.findChild<QLabel *>(QStringLiteral("labelReason"));
    reason->setSelection(0, int(reason->text().size()));
    QCOMPARE(reason->selectedText(), reason->text());
    for (int column = 0; column < firstRow.size(); ++column)
        QCOMPARE(dialog.table()->item(0, column)->text(), firstRow[column]);
    QCOMPARE(dialog.addGoodButton() != nullptr, !reading.speeches.isEmpty());
    QTest::mouseClick(addGood ? dialog.addGoodButton() : dialog.addNothingButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), result);
}

QTEST_MAIN(TestAgendaRejects)
#include "tst_agendarejects.moc"
