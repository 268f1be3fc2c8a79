#include "maskedtimebox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

namespace {

// QTest has no ASCII mapping for Delete, so \x7f stands for it here.
void typeKeys(QWidget *widget, const QString &keys)
{
    for (const QChar c : keys) {
        if (c == u'\x7f')
            QTest::keyClick(widget, Qt::Key_Delete);
        else
            QTest::keyClick(widget, c.toLatin1());
    }
}

} // namespace

class TstMaskedTimeBox : public QObject
{
    Q_OBJECT

private slots:
    void setTextReadsBackAndNotifies_data();
    void setTextReadsBackAndNotifies();
    void typing_data();
    void typing();
    void navigationKeysMoveTheCaret();
    void clipboard_data();
    void clipboard();
    void undoCannotRestoreAnUnmaskedText();
    void inputMethodCommits_data();
    void inputMethodCommits();
    void contextMenuOffersOnlyCopyAndSelectAll();
    void dropsAndReadOnlyLeaveTextAlone();
    void changesThroughTheBaseClassAreReported();
    void backColorFillsTheBox();
};

void TstMaskedTimeBox::setTextReadsBackAndNotifies_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");

    QTest::newRow("filled") << "06:40"
                            << "06:40";
    QTest::newRow("empty") << ""
                           << "__:__";
    QTest::newRow("blank") << "__:__"
                           << "__:__";
    QTest::newRow("partly filled") << "5_:__"
                                   << "5_:__";
    QTest::newRow("prompt inside") << "4_:00"
                                   << "4_:00";
    QTest::newRow("100 minutes") << "100:00"
                                 << "100:00";
    QTest::newRow("546 minutes") << "546:07"
                                 << "546:07";
    // Texts that do not fit the mask are kept as given.
    QTest::newRow("letters") << "abc"
                             << "abc";
    QTest::newRow("short") << "1:2"
                           << "1:2";
    QTest::newRow("non-ascii digits") << QStringLiteral("٠٦:٤٠") << QStringLiteral("٠٦:٤٠");
}

void TstMaskedTimeBox::setTextReadsBackAndNotifies()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);
    MaskedTimeBox box;
    QStringList seen;
    connect(&box, &MaskedTimeBox::changed, this, [&] { seen << box.text(); });

    // WHEN the same text is set twice THEN each call reports the new text before returning.
    box.setText(given);
    QCOMPARE(seen, QStringList{expected});
    box.setText(given);
    QCOMPARE(seen, QStringList({expected, expected}));
    QCOMPARE(box.text(), expected);
    QCOMPARE(box.displayText(), expected);
}

void TstMaskedTimeBox::typing_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("keys"); // \b is Backspace, \x7f is Delete
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::addColumn<int>("changes");

    QTest::newRow("digits skip the colon") << "__:__" << 0 << 0 << "1234"
                                           << "12:34" << 5 << 4;
    QTest::newRow("other keys ignored") << "__:__" << 0 << 0 << "a1b: 2c"
                                        << "12:__" << 3 << 2;
    QTest::newRow("typing past the end") << "12:34" << 5 << 0 << "9"
                                         << "12:34" << 5 << 0;
    QTest::newRow("overwrite in the middle") << "12:34" << 1 << 0 << "98"
                                             << "19:84" << 4 << 2;
    QTest::newRow("caret before the colon") << "12:34" << 2 << 0 << "7"
                                            << "12:74" << 4 << 1;
    QTest::newRow("digit over a selection") << "12:34" << 0 << 4 << "9"
                                            << "9_:_4" << 1 << 1;
    QTest::newRow("backspace over the colon") << "12:34" << 5 << 0 << "\b\b\b"
                                              << "1_:__" << 1 << 3;
    QTest::newRow("backspace at the start") << "12:34" << 0 << 0 << "\b"
                                            << "12:34" << 0 << 0;
    QTest::newRow("delete moves on") << "12:34" << 1 << 0 << "\x7f\x7f"
                                     << "1_:_4" << 4 << 2;
    QTest::newRow("delete at the end") << "12:34" << 5 << 0 << "\x7f"
                                       << "12:34" << 5 << 0;
    QTest::newRow("backspace on a selection") << "12:34" << 1 << 3 << "\b"
                                              << "1_:_4" << 1 << 1;
    QTest::newRow("long text starts blank") << "100:00" << 6 << 0 << "5"
                                            << "5_:__" << 1 << 1;
    QTest::newRow("long text erased") << "546:07" << 6 << 0 << "\b"
                                      << "__:__" << 0 << 1;
    QTest::newRow("odd text starts blank") << "abc" << 3 << 0 << "42"
                                           << "42:__" << 3 << 2;
}

void TstMaskedTimeBox::typing()
{
    QFETCH(QString, initial);
    QFETCH(int, caret);
    QFETCH(int, selected);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    QFETCH(int, changes);
    // GIVEN a box holding the initial text with the caret or selection placed
    MaskedTimeBox box;
    box.setText(initial);
    if (selected > 0)
        box.setSelection(caret, selected);
    else
        box.setCursorPosition(caret);
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    // WHEN the keys are typed
    typeKeys(&box, keys);

    // THEN the text follows the mask and every accepted keystroke was reported at once
    QCOMPARE(box.text(), expected);
    QCOMPARE(box.cursorPosition(), expectedCaret);
    QCOMPARE(spy.count(), changes);
}

void TstMaskedTimeBox::navigationKeysMoveTheCaret()
{
    MaskedTimeBox box;
    box.setText("12:34");
    box.setCursorPosition(5);

    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, '9');
    QCOMPARE(box.text(), QString("92:34"));
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QString("92:_4"));
    QTest::keyClick(&box, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(box.selectedText(), QString("92:"));
    QTest::keySequence(&box, QKeySequence::SelectAll);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.text(), QString("__:__"));
}

void TstMaskedTimeBox::clipboard_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("expectedClipboard");
    QTest::addColumn<int>("changes");

    const QKeySequence paste("Ctrl+V");
    QTest::newRow("paste keeps only digits") << "__:__" << 0 << 0 << "12a:3 4" << paste << "12:34"
                                             << "12a:3 4" << 1;
    QTest::newRow("shift+insert from the caret")
        << "12:34" << 3 << 0 << "9" << QKeySequence("Shift+Ins") << "12:94"
        << "9" << 1;
    QTest::newRow("surplus digits dropped") << "__:__" << 1 << 0 << "123456" << paste << "_1:23"
                                            << "123456" << 1;
    QTest::newRow("paste without digits") << "12:34" << 0 << 0 << "ab:" << paste << "12:34"
                                          << "ab:" << 0;
    QTest::newRow("non-ascii digits") << "__:__" << 0 << 0 << QStringLiteral("٠٦:٤٠") << paste
                                      << "06:40" << QStringLiteral("٠٦:٤٠") << 1;
    QTest::newRow("paste over a selection") << "12:34" << 0 << 5 << "9" << paste << "9_:__"
                                            << "9" << 1;
    QTest::newRow("paste into a long text") << "100:00" << 0 << 0 << "7" << paste << "7_:__"
                                            << "7" << 1;
    QTest::newRow("cut blanks the selection")
        << "12:34" << 0 << 2 << "" << QKeySequence("Ctrl+X") << "__:34"
        << "12" << 1;
    QTest::newRow("copy leaves the text")
        << "12:34" << 3 << 2 << "" << QKeySequence("Ctrl+C") << "12:34"
        << "34" << 0;
}

void TstMaskedTimeBox::clipboard()
{
    QFETCH(QString, initial);
    QFETCH(int, caret);
    QFETCH(int, selected);
    QFETCH(QString, clipboard);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, expected);
    QFETCH(QString, expectedClipboard);
    QFETCH(int, changes);
    // GIVEN a box and the clipboard's text
    MaskedTimeBox box;
    box.setText(initial);
    if (selected > 0)
        box.setSelection(caret, selected);
    else
        box.setCursorPosition(caret);
    QGuiApplication::clipboard()->setText(clipboard);
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    // WHEN the clipboard shortcut is pressed
    QTest::keySequence(&box, keys);

    // THEN only digits reached digit places
    QCOMPARE(box.text(), expected);
    QCOMPARE(QGuiApplication::clipboard()->text(), expectedClipboard);
    QCOMPARE(spy.count(), changes);
}

void TstMaskedTimeBox::undoCannotRestoreAnUnmaskedText()
{
    // GIVEN a long text typed over
    MaskedTimeBox box;
    box.setText("100:00");
    QTest::keyClick(&box, '5');
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    // WHEN undo and redo are tried by key and through the base class
    for (const auto key : {QKeySequence::Undo, QKeySequence::Redo})
        QTest::keySequence(&box, key);
    static_cast<QLineEdit &>(box).undo();

    // THEN the masked text stays
    QCOMPARE(box.text(), QString("5_:__"));
    QCOMPARE(spy.count(), 0);
}

void TstMaskedTimeBox::inputMethodCommits_data()
{
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("preedit");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("changes");

    QTest::newRow("digits") << "12"
                            << ""
                            << "12:__" << 1;
    QTest::newRow("non-ascii digits") << QStringLiteral("٣٤") << ""
                                      << "34:__" << 1;
    QTest::newRow("letters dropped") << "a5b"
                                     << ""
                                     << "5_:__" << 1;
    QTest::newRow("letters only") << "xy"
                                  << ""
                                  << "__:__" << 0;
    QTest::newRow("composition only") << ""
                                      << "12"
                                      << "__:__" << 0;
}

void TstMaskedTimeBox::inputMethodCommits()
{
    QFETCH(QString, commit);
    QFETCH(QString, preedit);
    QFETCH(QString, expected);
    QFETCH(int, changes);
    MaskedTimeBox box;
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QCoreApplication::sendEvent(&box, &event);

    QCOMPARE(box.text(), expected);
    QCOMPARE(spy.count(), changes);
}

void TstMaskedTimeBox::contextMenuOffersOnlyCopyAndSelectAll()
{
    MaskedTimeBox box;
    box.setText("12:34");
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(&box, &event);
    auto *menu = box.findChild<QMenu *>();
    QVERIFY(menu);
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 2);
    actions.at(1)->trigger();
    actions.at(0)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("12:34"));
    menu->close();
}

void TstMaskedTimeBox::dropsAndReadOnlyLeaveTextAlone()
{
    MaskedTimeBox box;
    box.setText("12:34");
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    QMimeData mime;
    mime.setText("ab99");
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &drop);
    QVERIFY(!box.acceptDrops());

    box.setReadOnly(true);
    QGuiApplication::clipboard()->setText("99");
    typeKeys(&box, "5\b\x7f");
    QTest::keySequence(&box, QKeySequence::Paste);
    box.selectAll();
    QTest::keySequence(&box, QKeySequence::Cut);

    QCOMPARE(box.text(), QString("12:34"));
    QCOMPARE(spy.count(), 0);
}

void TstMaskedTimeBox::changesThroughTheBaseClassAreReported()
{
    MaskedTimeBox box;
    QLineEdit &base = box;
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    base.setText("07:00");
    QCOMPARE(spy.count(), 1);
    base.clear();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(box.text(), QString(MaskedTimeBox::BlankText));
}

void TstMaskedTimeBox::backColorFillsTheBox()
{
    MaskedTimeBox box;
    box.resize(120, 30);
    const QColor color(250, 230, 40);

    box.setBackColor(color);

    QCOMPARE(box.backColor(), color);
    const QImage image = box.grab().toImage();
    QCOMPARE(image.pixelColor(image.width() - 6, image.height() / 2), color);
}

QTEST_MAIN(TstMaskedTimeBox)
#include "tst_maskedtimebox.moc"
