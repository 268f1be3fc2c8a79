// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A push button whose access key clicks at once. Qt's own access-key click waits 100 ms to
// animate the press, which would start every timed speech late.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
