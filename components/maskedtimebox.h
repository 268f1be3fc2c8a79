// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QList>
#include <QString>

// An overwrite-style edit box for MM:SS times. The mask is enforced here rather than through
// QLineEdit's input mask, which truncates longer texts and hides the prompt characters.
// Callers hold MaskedTimeBox pointers: setText, cut, paste, undo and redo hide QLineEdit's
// versions.
class MaskedTimeBox : public QLineEdit
{
    Q_OBJECT

public:
    // '#' marks a digit place; any other character is a literal.
    static constexpr QLatin1StringView Mask{"##:##"};
    static constexpr QChar Prompt{u'_'};
    static constexpr QLatin1StringView BlankText{"__:__"};

    explicit MaskedTimeBox(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    QColor backColor() const;

    QSize sizeHint() const override;

public slots:
    // Shows the text exactly as given, even when it does not fit the mask (e.g. "100:00"), so
    // that it reads back unchanged; only "" becomes BlankText. Clears the undo history.
    void setText(const QString &text);
    // Copies the selection and blanks its digit places.
    void cut();
    // A clipboard text with a colon is read as minutes and seconds; one without fills its
    // digits into the digit places from the caret.
    void paste();
    void undo();
    void redo();

signals:
    // Only when the text is different from before.
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Edit
    {
        QString before;
        qsizetype caretBefore = 0;
        QString after;
        qsizetype caretAfter = 0;
    };

    void typeText(const QString &input);
    void pasteText(const QString &input);
    void erase(bool backward);
    bool startEdit(QString &text, qsizetype &caret) const;
    void commitEdit(const QString &text, qsizetype caret);
    void showText(const QString &text, qsizetype caret);
    void adoptForeignText();

    bool m_applying = false;
    QList<Edit> m_history;
    // Edits in m_history that are in effect; those after it can be redone.
    qsizetype m_done = 0;
};
