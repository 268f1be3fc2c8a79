// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QString>

// An overwrite-style edit box for MM:SS times. The mask is enforced here rather than through
// QLineEdit's input mask, which truncates longer texts and hides the prompt characters.
// Callers hold MaskedTimeBox pointers: setText, cut and paste hide QLineEdit's versions.
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
    // that it reads back unchanged; only "" becomes BlankText. Always emits changed().
    void setText(const QString &text);
    // Copies the selection and blanks its digit places.
    void cut();
    // Fills the clipboard's digits into the digit places from the caret.
    void paste();

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void typeDigits(const QString &input);
    void erase(bool backward);
    bool startEdit(QString &text, qsizetype &caret) const;
    void applyText(const QString &text, qsizetype caret);
    void adoptForeignText();

    bool m_applying = false;
};
