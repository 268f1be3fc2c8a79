// SPDX-License-Identifier: MIT
#include "app/commandbutton.h"

#include <QEvent>
#include <QKeyEvent>

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent) {}

bool CommandButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        if (isVisible() && isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
        }
        return true;
    }
    return QPushButton::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    // Space, Enter and Return click at the press, like the access key (Qt clicks on Space's
    // release, and on Enter only in dialogs). A held key's repeats would click the button
    // shown next, STOP right after START, so they are swallowed.
    const bool clickKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter;
    if (clickKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    // With a modifier they are no click; Qt would still click Shift+Space at its release.
    if (clickKey) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}
