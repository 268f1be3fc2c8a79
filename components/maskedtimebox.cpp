// SPDX-License-Identifier: MIT
#include "components/maskedtimebox.h"

#include "timing/timetext.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <iterator>

static_assert(MaskedTimeBox::Mask.size() == MaskedTimeBox::BlankText.size());
// A pasted time is read by the rule every typed threshold follows.
static_assert(MaskedTimeBox::Mask.size() == TimeText::MinutePlaces + 1 + TimeText::SecondPlaces);
static_assert(MaskedTimeBox::Mask[TimeText::MinutePlaces] == QLatin1Char(TimeText::Separator));

using TimeText::asciiDigit;
using TimeText::asciiDigitsOf;
using TimeText::isSeparator;
using TimeText::nextCodePoint;
using TimeText::timeOf;

namespace {

constexpr char DigitPlace = '#';
// The oldest edits are forgotten beyond this, so that a box left open all day stays small.
constexpr qsizetype HistoryLimit = 100;

// Undo and redo answer to these on every platform, besides the platform's own bindings.
constexpr QKeyCombination UndoKey{Qt::ControlModifier, Qt::Key_Z};
constexpr QKeyCombination RedoKeys[] = {
    QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z),
    QKeyCombination(Qt::ControlModifier, Qt::Key_Y),
};

bool isRedoKey(int pressed)
{
    return std::any_of(std::begin(RedoKeys), std::end(RedoKeys),
                       [pressed](QKeyCombination k) { return k.toCombined() == pressed; });
}

// Keys that only move the caret, select or copy, so QLineEdit may handle them.
constexpr QKeySequence::StandardKey PassedKeys[] = {
    QKeySequence::Copy,
    QKeySequence::SelectAll,
    QKeySequence::Deselect,
    QKeySequence::MoveToNextChar,
    QKeySequence::MoveToPreviousChar,
    QKeySequence::MoveToNextWord,
    QKeySequence::MoveToPreviousWord,
    QKeySequence::MoveToStartOfLine,
    QKeySequence::MoveToEndOfLine,
    QKeySequence::MoveToStartOfBlock,
    QKeySequence::MoveToEndOfBlock,
    QKeySequence::MoveToStartOfDocument,
    QKeySequence::MoveToEndOfDocument,
    QKeySequence::SelectNextChar,
    QKeySequence::SelectPreviousChar,
    QKeySequence::SelectNextWord,
    QKeySequence::SelectPreviousWord,
    QKeySequence::SelectStartOfLine,
    QKeySequence::SelectEndOfLine,
    QKeySequence::SelectStartOfBlock,
    QKeySequence::SelectEndOfBlock,
    QKeySequence::SelectStartOfDocument,
    QKeySequence::SelectEndOfDocument,
};

bool isDigitPlace(qsizetype pos)
{
    return pos >= 0 && pos < MaskedTimeBox::Mask.size() &&
           MaskedTimeBox::Mask[pos].toLatin1() == DigitPlace;
}

// Returns Mask.size() when there is no digit place at or after pos.
qsizetype nextDigitPlace(qsizetype pos)
{
    while (pos < MaskedTimeBox::Mask.size() && !isDigitPlace(pos))
        ++pos;
    return pos;
}

// Returns -1 when there is no digit place before pos.
qsizetype previousDigitPlace(qsizetype pos)
{
    do
        --pos;
    while (pos >= 0 && !isDigitPlace(pos));
    return pos;
}

// The mask's literal, which parts the minutes from the seconds.
qsizetype separatorPlace()
{
    qsizetype pos = 0;
    while (isDigitPlace(pos))
        ++pos;
    return pos;
}

qsizetype digitPlaceCount()
{
    return std::count(MaskedTimeBox::Mask.begin(), MaskedTimeBox::Mask.end(),
                      QLatin1Char(DigitPlace));
}

bool fitsMask(const QString &text)
{
    if (text.size() != MaskedTimeBox::Mask.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool ok = isDigitPlace(i) ? (c == MaskedTimeBox::Prompt || (c >= u'0' && c <= u'9'))
                                        : c == QChar(MaskedTimeBox::Mask[i]);
        if (!ok)
            return false;
    }
    return true;
}

// A colon typed in the minutes ends them: the digits before the caret are right-aligned and
// the caret moves on to the seconds. Returns the new caret.
qsizetype completeMinutes(QString &text, qsizetype caret)
{
    const qsizetype separator = separatorPlace();
    if (caret > separator)
        return caret;
    QString digits;
    for (qsizetype i = 0; i < caret; ++i) {
        if (text[i] != MaskedTimeBox::Prompt)
            digits += text[i];
    }
    text.replace(0, separator, digits.rightJustified(separator, u'0'));
    return nextDigitPlace(separator + 1);
}

bool blankDigitPlaces(QString &text, qsizetype from, qsizetype to)
{
    bool touched = false;
    for (qsizetype i = from; i < to; ++i) {
        if (isDigitPlace(i)) {
            text[i] = MaskedTimeBox::Prompt;
            touched = true;
        }
    }
    return touched;
}

bool printable(const QKeyEvent *event)
{
    const QString text = event->text();
    qsizetype i = 0;
    return !text.isEmpty() && QChar::isPrint(nextCodePoint(text, i));
}

} // namespace

MaskedTimeBox::MaskedTimeBox(QWidget *parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    setInputMethodHints(Qt::ImhDigitsOnly);
    QLineEdit::setText(BlankText);
    setCursorPosition(0);
    connect(this, &QLineEdit::textChanged, this, &MaskedTimeBox::adoptForeignText);
}

void MaskedTimeBox::setText(const QString &text)
{
    m_history.clear();
    m_done = 0;
    showText(text.isEmpty() ? QString(BlankText) : text, 0);
}

void MaskedTimeBox::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

QColor MaskedTimeBox::backColor() const
{
    return palette().color(QPalette::Base);
}

QSize MaskedTimeBox::sizeHint() const
{
    ensurePolished();
    // Room for a filled mask, the caret and QLineEdit's inner margins.
    constexpr int Padding = 2 * 2 + 1;
    const QString sample = QString(BlankText).replace(Prompt, u'0');
    const QMargins text = textMargins();
    const QMargins contents = contentsMargins();
    const int width = fontMetrics().horizontalAdvance(sample) + Padding + text.left() +
                      text.right() + contents.left() + contents.right();
    const QSize base = QLineEdit::sizeHint();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QSize styled =
        style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, base.height()), this);
    return {styled.width(), base.height()};
}

void MaskedTimeBox::cut()
{
    if (isReadOnly() || !hasSelectedText())
        return;
    QGuiApplication::clipboard()->setText(selectedText());
    QString text;
    qsizetype caret = 0;
    if (startEdit(text, caret))
        commitEdit(text, caret);
}

void MaskedTimeBox::paste()
{
    pasteText(QGuiApplication::clipboard()->text());
}

void MaskedTimeBox::undo()
{
    if (isReadOnly() || m_done == 0)
        return;
    const Edit edit = m_history.at(--m_done);
    showText(edit.before, edit.caretBefore);
}

void MaskedTimeBox::redo()
{
    if (isReadOnly() || m_done == m_history.size())
        return;
    const Edit edit = m_history.at(m_done++);
    showText(edit.after, edit.caretAfter);
}

void MaskedTimeBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int pressed = mods.toInt() | key;
    if (event->matches(QKeySequence::Paste) ||
        (key == Qt::Key_Insert && mods == Qt::ShiftModifier)) {
        paste();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Undo) || pressed == UndoKey.toCombined()) {
        undo();
    } else if (event->matches(QKeySequence::Redo) || isRedoKey(pressed)) {
        redo();
    } else if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        // Word and line deletions are swallowed.
        if (mods == Qt::NoModifier || mods == Qt::ShiftModifier)
            erase(key == Qt::Key_Backspace);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter ||
               std::any_of(std::begin(PassedKeys), std::end(PassedKeys),
                           [event](auto k) { return event->matches(k); })) {
        QLineEdit::keyPressEvent(event);
        return;
    } else if (printable(event) &&
               !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        typeText(event->text());
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

void MaskedTimeBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Compositions are not shown; only committed digits count.
    typeText(event->commitString());
    event->accept();
}

void MaskedTimeBox::contextMenuEvent(QContextMenuEvent *event)
{
    // Each action goes through the same function as its key, so the mask holds.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [menu](const QString &label, QKeySequence::StandardKey keys, bool enabled) {
        QAction *action = menu->addAction(label);
        action->setShortcut(keys);
        action->setEnabled(enabled);
        return action;
    };
    const bool editable = !isReadOnly();
    const bool copyable = hasSelectedText() && echoMode() == QLineEdit::Normal;
    connect(add(tr("&Undo"), QKeySequence::Undo, editable && m_done > 0), &QAction::triggered, this,
            &MaskedTimeBox::undo);
    connect(add(tr("&Redo"), QKeySequence::Redo, editable && m_done < m_history.size()),
            &QAction::triggered, this, &MaskedTimeBox::redo);
    menu->addSeparator();
    connect(add(tr("Cu&t"), QKeySequence::Cut, editable && copyable), &QAction::triggered, this,
            &MaskedTimeBox::cut);
    connect(add(tr("&Copy"), QKeySequence::Copy, copyable), &QAction::triggered, this,
            &QLineEdit::copy);
    connect(add(tr("&Paste"), QKeySequence::Paste,
                editable && !QGuiApplication::clipboard()->text().isEmpty()),
            &QAction::triggered, this, &MaskedTimeBox::paste);
    connect(add(tr("Delete"), QKeySequence::Delete, editable && hasSelectedText()),
            &QAction::triggered, this, [this] { erase(false); });
    menu->addSeparator();
    connect(add(tr("Select &All"), QKeySequence::SelectAll, selectedText() != text()),
            &QAction::triggered, this, &QLineEdit::selectAll);
    menu->popup(event->globalPos());
    event->accept();
}

void MaskedTimeBox::mouseReleaseEvent(QMouseEvent *event)
{
    // QLineEdit would insert the selection clipboard here unmasked.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteText(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    // Past the last digit place a typed digit would have nowhere to go, so a click there
    // lands before it instead.
    const qsizetype lastPlace = previousDigitPlace(Mask.size());
    if (event->button() == Qt::LeftButton && !hasSelectedText() && fitsMask(text()) &&
        cursorPosition() > lastPlace)
        setCursorPosition(static_cast<int>(lastPlace));
}

void MaskedTimeBox::dropEvent(QDropEvent *event)
{
    event->ignore();
}

void MaskedTimeBox::typeText(const QString &input)
{
    if (isReadOnly())
        return;
    QString text;
    qsizetype caret = 0;
    bool started = false;
    for (qsizetype i = 0; i < input.size() && caret < Mask.size();) {
        const char32_t c = nextCodePoint(input, i);
        const bool digit = QChar::isDigit(c);
        if (!digit && !isSeparator(c))
            continue;
        if (!started) {
            startEdit(text, caret);
            started = true;
        }
        if (!digit) {
            caret = completeMinutes(text, caret);
            continue;
        }
        const qsizetype place = nextDigitPlace(caret);
        if (place < text.size()) {
            text[place] = asciiDigit(c);
            caret = nextDigitPlace(place + 1);
        }
    }
    if (started)
        commitEdit(text, caret);
}

void MaskedTimeBox::pasteText(const QString &input)
{
    if (isReadOnly())
        return;
    const auto colon = std::find_if(input.cbegin(), input.cend(),
                                    [](QChar c) { return isSeparator(c.unicode()); });
    if (colon == input.cend()) {
        typeText(asciiDigitsOf(input, digitPlaceCount()));
        return;
    }
    const QString time = timeOf(input, colon - input.cbegin());
    if (!time.isEmpty())
        commitEdit(time, Mask.size());
}

void MaskedTimeBox::erase(bool backward)
{
    if (isReadOnly())
        return;
    QString text;
    qsizetype caret = 0;
    if (!startEdit(text, caret)) {
        // A selection with no digit place in it leaves nothing to erase.
        if (hasSelectedText())
            return;
        const qsizetype place = backward ? previousDigitPlace(caret) : nextDigitPlace(caret);
        if (!isDigitPlace(place))
            return;
        text[place] = Prompt;
        // Delete leaves the caret where it is, so that the next digit fills the place it blanked.
        if (backward)
            caret = place;
    }
    commitEdit(text, caret);
}

// Copies the text for an edit and blanks the selected digit places. A text that does not fit
// the mask cannot be edited in place, so the edit starts from a blank mask. Returns whether
// this already changed a digit place.
bool MaskedTimeBox::startEdit(QString &text, qsizetype &caret) const
{
    if (!fitsMask(this->text())) {
        text = BlankText;
        caret = 0;
        return true;
    }
    text = this->text();
    if (!hasSelectedText()) {
        caret = cursorPosition();
        return false;
    }
    caret = selectionStart();
    return blankDigitPlaces(text, caret, selectionEnd());
}

// An edit by the user, which undo can take back.
void MaskedTimeBox::commitEdit(const QString &text, qsizetype caret)
{
    if (text != this->text()) {
        m_history.resize(m_done);
        m_history.append({this->text(), cursorPosition(), text, caret});
        if (m_history.size() > HistoryLimit)
            m_history.removeFirst();
        m_done = m_history.size();
    }
    showText(text, caret);
}

void MaskedTimeBox::showText(const QString &text, qsizetype caret)
{
    const bool different = text != this->text();
    {
        const QScopedValueRollback guard(m_applying, true);
        if (different)
            QLineEdit::setText(text);
        setCursorPosition(static_cast<int>(caret));
    }
    if (different)
        emit changed();
}

// A change made through QLineEdit's own, unhidden functions is treated like setText. QLineEdit
// has already shown the text, so the change is reported here.
void MaskedTimeBox::adoptForeignText()
{
    if (m_applying)
        return;
    m_history.clear();
    m_done = 0;
    {
        const QScopedValueRollback guard(m_applying, true);
        if (text().isEmpty())
            QLineEdit::setText(BlankText);
        setCursorPosition(0);
    }
    emit changed();
}
