// SPDX-License-Identifier: MIT
#include "commandbutton.h"

#include <QEvent>

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
