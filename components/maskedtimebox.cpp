// SPDX-License-Identifier: MIT
#include "maskedtimebox.h"

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

namespace {

constexpr char DigitPlace = '#';

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

// Any Unicode decimal digit counts; the box only ever stores ASCII ones. A box never takes more
// digits than it has places, so a huge clipboard is not read to its end.
QString asciiDigitsOf(const QString &input)
{
    const qsizetype places =
        std::count(MaskedTimeBox::Mask.begin(), MaskedTimeBox::Mask.end(), QLatin1Char(DigitPlace));
    QString digits;
    for (qsizetype i = 0; i < input.size() && digits.size() < places; ++i) {
        const QChar here = input.at(i);
        char32_t c = here.unicode();
        if (here.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
            ++i;
            c = QChar::surrogateToUcs4(here, input.at(i));
        }
        if (QChar::isDigit(c))
            digits += QChar(u'0' + QChar::digitValue(c));
    }
    return digits;
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
    return !event->text().isEmpty() && event->text().front().isPrint();
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
    applyText(text.isEmpty() ? QString(BlankText) : text, 0);
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
        applyText(text, caret);
}

void MaskedTimeBox::paste()
{
    typeDigits(QGuiApplication::clipboard()->text());
}

void MaskedTimeBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->matches(QKeySequence::Paste) ||
        (key == Qt::Key_Insert && mods == Qt::ShiftModifier)) {
        paste();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        // Word and line deletions are swallowed along with undo/redo below.
        if (mods == Qt::NoModifier || mods == Qt::ShiftModifier)
            erase(key == Qt::Key_Backspace);
    } else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        // Every edit goes through QLineEdit::setText, which leaves no history to step through.
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter ||
               std::any_of(std::begin(PassedKeys), std::end(PassedKeys),
                           [event](auto k) { return event->matches(k); })) {
        QLineEdit::keyPressEvent(event);
        return;
    } else if (printable(event) &&
               !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        typeDigits(event->text());
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

void MaskedTimeBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Compositions are not shown; only committed digits count.
    typeDigits(event->commitString());
    event->accept();
}

void MaskedTimeBox::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *copy = menu->addAction(tr("&Copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(hasSelectedText() && echoMode() == QLineEdit::Normal);
    connect(copy, &QAction::triggered, this, &QLineEdit::copy);
    QAction *selectAll = menu->addAction(tr("Select &All"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setEnabled(selectedText() != text());
    connect(selectAll, &QAction::triggered, this, &QLineEdit::selectAll);
    menu->popup(event->globalPos());
    event->accept();
}

void MaskedTimeBox::mouseReleaseEvent(QMouseEvent *event)
{
    // QLineEdit would insert the selection clipboard here unmasked.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        typeDigits(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void MaskedTimeBox::dropEvent(QDropEvent *event)
{
    event->ignore();
}

void MaskedTimeBox::typeDigits(const QString &input)
{
    const QString digits = asciiDigitsOf(input);
    if (isReadOnly() || digits.isEmpty())
        return;
    QString text;
    qsizetype caret = 0;
    bool touched = startEdit(text, caret);
    for (const QChar digit : digits) {
        const qsizetype place = nextDigitPlace(caret);
        if (place >= text.size())
            break;
        text[place] = digit;
        caret = nextDigitPlace(place + 1);
        touched = true;
    }
    if (touched)
        applyText(text, caret);
}

void MaskedTimeBox::erase(bool backward)
{
    if (isReadOnly())
        return;
    QString text;
    qsizetype caret = 0;
    bool touched = startEdit(text, caret);
    if (!touched && !hasSelectedText()) {
        const qsizetype place = backward ? previousDigitPlace(caret) : nextDigitPlace(caret);
        if (!isDigitPlace(place))
            return;
        text[place] = Prompt;
        // Delete moves on, as typing does, so that repeating it blanks the following places.
        caret = backward ? place : nextDigitPlace(place + 1);
        touched = true;
    }
    if (touched)
        applyText(text, caret);
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

void MaskedTimeBox::applyText(const QString &text, qsizetype caret)
{
    {
        const QScopedValueRollback guard(m_applying, true);
        QLineEdit::setText(text);
        setCursorPosition(static_cast<int>(caret));
    }
    emit changed();
}

// A change made through QLineEdit's own, unhidden functions is treated like setText.
void MaskedTimeBox::adoptForeignText()
{
    if (!m_applying)
        setText(text());
}
