// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// Help ▸ About: the program's name and version, what it is for, its copyright and licence. The
// box is opened, not executed, so the tick goes on while it is up.
void showAboutBox(const QString &caption, const QString &programTitle, QWidget *window);
