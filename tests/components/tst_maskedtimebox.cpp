// SPDX-License-Identifier: MIT
#include "components/maskedtimebox.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

// "12:|34" has the caret after the colon; "[12]:34" has "12" selected.
void place(MaskedTimeBox &box, QString text)
{
    const qsizetype caret = text.indexOf(u'|');
    text.remove(u'|');
    const qsizetype from = text.indexOf(u'[');
    const qsizetype to = text.indexOf(u']') - 1;
    text.remove(u'[').remove(u']');
    box.setText(text);
    if (from >= 0)
        box.setSelection(from, to - from);
    else
        box.setCursorPosition(caret);
}

QString withCaret(const MaskedTimeBox &box)
{
    return box.text().insert(box.cursorPosition(), u'|');
}

// Types the characters; "<Ctrl+V>" presses a key sequence, "<Click>" (or "<Shift+Click>")
// clicks at the right edge.
void typeKeys(QWidget *widget, const QString &keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i] == u'<') {
            const qsizetype end = keys.indexOf(u'>', i);
            const QString name = keys.mid(i + 1, end - i - 1);
            if (name.endsWith(u"Click"))
                QTest::mouseClick(widget, Qt::LeftButton,
                                  name.startsWith(u"Shift") ? Qt::ShiftModifier : Qt::NoModifier,
                                  QPoint(widget->width() - 2, widget->height() / 2));
            else
                QTest::keySequence(widget, QKeySequence(name));
            i = end;
        } else if (keys[i].unicode() > 0x7f) {
            // Typed by an input method; one beyond the first plane comes with both halves.
            const qsizetype length = keys[i].isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, keys.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        } else {
            QTest::keyClick(widget, keys[i].toLatin1());
        }
    }
}

// Opens the box's context menu, checks what it offers and triggers the action labelled so.
void chooseFromMenu(MaskedTimeBox &box, const QString &label)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(&box, &event);
    const std::unique_ptr<QMenu> menu(box.findChild<QMenu *>());
    QVERIFY(menu);
    QStringList labels;
    QAction *chosen = nullptr;
    for (QAction *action : menu->actions()) {
        labels << action->text().remove(u'&');
        if (labels.back() == label)
            chosen = action;
    }
    QCOMPARE(labels,
             QStringList({"Undo", "Redo", "", "Cut", "Copy", "Paste", "Delete", "", "Select All"}));
    QVERIFY(chosen && chosen->isEnabled());
    chosen->trigger();
}

} // namespace

class TstMaskedTimeBox : public QObject
{
    Q_OBJECT

private slots:
    void setText_data();
    void setText();
    void editing_data();
    void editing();
    void inputMethodCommitsOnlyDigits();
    void contextMenuActsThroughTheMask();
    void dropsAndReadOnlyLeaveTextAlone();
    void changesThroughTheBaseClassAreReported();
    void backColorFillsTheBox();
};

void TstMaskedTimeBox::setText_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const QString &given, const QString &expected) {
        QTest::newRow(name) << given << expected;
    };

    row("filled", "06:40", "06:40");
    row("empty", "", "__:__");
    row("partly filled", "4_:00", "4_:00");
    row("100 minutes", "100:00", "100:00");
    row("letters", "abc", "abc");
    row("non-ascii digits", QStringLiteral("٠٦:٤٠"), QStringLiteral("٠٦:٤٠"));
}

void TstMaskedTimeBox::setText()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);
    MaskedTimeBox box;
    box.setText("99:99");
    QTest::keyClick(&box, '1');
    QStringList seen;
    connect(&box, &MaskedTimeBox::changed, this, [&] { seen << box.text(); });

    // WHEN the same text is set twice THEN the first call reports the new text before
    // returning and the second, which changes nothing, reports nothing
    box.setText(given);
    QCOMPARE(seen, QStringList{expected});
    box.setText(given);
    QCOMPARE(seen, QStringList{expected});
    // What was typed before the program's text cannot be undone back into the box.
    QTest::keySequence(&box, QKeySequence("Ctrl+Z"));
    QCOMPARE(seen, QStringList{expected});
    QCOMPARE(box.displayText(), expected);
}

void TstMaskedTimeBox::editing_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("changes");
    const auto row = [](const char *name, const QString &before, const QString &clipboard,
                        const QString &keys, const QString &after, int changes) {
        QTest::newRow(name) << before << clipboard << keys << after << changes;
    };

    row("digits skip the colon", "|__:__", "", "1234", "12:34|", 4);
    row("other keys ignored", "|__:__", "", "a1b- 2c", "12:|__", 2);
    row("typing past the end", "12:34|", "", "9", "12:34|", 0);
    row("overwrite in the middle", "1|2:34", "", "98", "19:8|4", 2);
    row("caret before the colon", "12|:34", "", "7", "12:7|4", 1);
    row("digit over a selection", "[12:3]4", "", "9", "9|_:_4", 1);
    row("backspace over the colon", "12:34|", "", "\b\b\b", "1|_:__", 3);
    row("backspace at the start", "|12:34", "", "\b", "|12:34", 0);
    row("shift+backspace erases back", "12:3|4", "", "<Shift+Backspace>", "12:|_4", 1);
    row("delete stays put", "1|2:34", "", "<Del>9", "19:|34", 2);
    row("erase a selection", "1[2:3]4", "", "\b", "1|_:_4", 1);
    row("long text typed over", "100:00|", "", "5", "5|_:__", 1);
    row("long text erased", "546:07|", "", "\b", "|__:__", 1);
    row("home and end", "12:34|", "", "<Home>9<End><Left>\b", "92:|_4", 2);
    row("shift+home selects", "12:3|4", "", "<Shift+Home><Del>", "|__:_4", 1);
    row("paste keeps digits", "|__:__", "12a:3 4", "<Ctrl+V>", "12:34|", 1);
    row("shift+insert pastes", "12:|34", "9", "<Shift+Ins>", "12:9|4", 1);
    row("paste without digits", "|12:34", "ab:", "<Ctrl+V>", "|12:34", 0);
    row("paste non-ascii digits", "|__:__", QStringLiteral("٠٦:٤٠"), "<Ctrl+V>", "06:40|", 1);
    row("paste into a long text", "100:00|", "7", "<Ctrl+V>", "7|_:__", 1);
    row("paste of a huge text takes its first digits", "|__:__",
        QStringLiteral("x1234") + QString(1 << 20, u'9'), "<Ctrl+V>", "12:34|", 1);
    row("paste of digits beyond the first plane", "|__:__",
        QString::fromUcs4(U"\U0001D7CF\U0001D7D0:\U0001D7D1\U0001D7D2"), "<Ctrl+V>", "12:34|", 1);
    row("cut then paste reads the colon", "1[2:3]4", "", "<Ctrl+X><Home><Ctrl+V>", "02:03|", 2);
    row("undo and redo step through the texts", "100:00|", "",
        "56<Ctrl+Z><Ctrl+Z><Ctrl+Z><Ctrl+Shift+Z><Ctrl+Y>", "56:|__", 6);
    row("a colon ends the minutes", "|04:00", "", "1:3:0", "01:30|", 3);
    row("a click past the end lands on the last place", "|12:34", "", "<Click>9", "12:39|", 1);
    row("a digit over the same digit", "|12:34", "", "1", "1|2:34", 0);
    row("digits beyond the first plane typed", "|__:__", "",
        QString::fromUcs4(U"\U0001D7CF\U0001D7D0"), "12:|__", 2);
    row("a colon at the separator ends the minutes", "5_|:__", "", ":", "05:|__", 1);
    row("a fullwidth colon ends the minutes", "|__:__", "", QStringLiteral("1：3"), "01:3|_", 3);
    row("erasing only the colon changes nothing", "12[:]34", "", "\b<Del>", "12:|34", 0);
    row("a shift-click past the end selects", "|12:34", "", "<Shift+Click>9", "9|_:__", 1);
    row("undo reaches back 100 edits", "|__:__", "",
        QString("1\b").repeated(50) + QString("<Ctrl+Z>").repeated(100), "|__:__", 200);
    row("a new edit drops the redo steps", "|__:__", "", "12<Ctrl+Z>3<Ctrl+Y><Ctrl+Z><Ctrl+Z>",
        "|__:__", 6);
    row("an unchanged text adds no undo step", "|12:34", "", "1<Ctrl+Z>", "1|2:34", 0);
}

void TstMaskedTimeBox::editing()
{
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(int, changes);
    // GIVEN a box with the caret or selection placed and a clipboard text
    MaskedTimeBox box;
    place(box, before);
    QGuiApplication::clipboard()->setText(clipboard);
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    // WHEN the keys are pressed
    typeKeys(&box, keys);

    // THEN the text keeps the mask and each accepted keystroke was reported at once
    QCOMPARE(withCaret(box), after);
    QCOMPARE(spy.count(), changes);
}

void TstMaskedTimeBox::inputMethodCommitsOnlyDigits()
{
    MaskedTimeBox box;
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    QInputMethodEvent composing(QStringLiteral("12"), {});
    QCoreApplication::sendEvent(&box, &composing);
    QCOMPARE(box.text(), QString(MaskedTimeBox::BlankText));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("a٣4"));
    QCoreApplication::sendEvent(&box, &commit);

    QCOMPARE(withCaret(box), QString("34:|__"));
    QCOMPARE(spy.count(), 1);
}

void TstMaskedTimeBox::contextMenuActsThroughTheMask()
{
    MaskedTimeBox box;
    place(box, "[12]:34");
    QGuiApplication::clipboard()->clear();

    chooseFromMenu(box, "Copy");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("12"));
    chooseFromMenu(box, "Delete");
    QCOMPARE(withCaret(box), QString("|__:34"));
    chooseFromMenu(box, "Paste");
    QCOMPARE(withCaret(box), QString("12:|34"));
    chooseFromMenu(box, "Undo");
    QCOMPARE(withCaret(box), QString("|__:34"));
    chooseFromMenu(box, "Redo");
    chooseFromMenu(box, "Select All");
    chooseFromMenu(box, "Cut");
    QCOMPARE(withCaret(box), QString("|__:__"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("12:34"));
}

void TstMaskedTimeBox::dropsAndReadOnlyLeaveTextAlone()
{
    MaskedTimeBox box;
    box.setText("12:34");
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    QMimeData mime;
    mime.setText("ab99");
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &drop);
    box.setReadOnly(true);
    QGuiApplication::clipboard()->setText("99");
    typeKeys(&box, "5\b<Del><Ctrl+V><Ctrl+A><Ctrl+X>");

    QCOMPARE(box.text(), QString("12:34"));
    QCOMPARE(spy.count(), 0);
}

void TstMaskedTimeBox::changesThroughTheBaseClassAreReported()
{
    MaskedTimeBox box;
    QLineEdit &base = box;
    QTest::keyClick(&box, '1');
    QSignalSpy spy(&box, &MaskedTimeBox::changed);

    base.setText("07:00");
    QCOMPARE(spy.count(), 1);
    QTest::keySequence(&box, QKeySequence("Ctrl+Z"));
    QCOMPARE(box.text(), QString("07:00"));
    base.clear();
    base.undo();
    QCOMPARE(box.text(), QString(MaskedTimeBox::BlankText));
    QCOMPARE(spy.count(), 2);
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
