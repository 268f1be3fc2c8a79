// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTextDocument>

// Text from outside the program (a plan file's line, what a device says it is) as a tooltip:
// shown as typed, never read as markup, as a tooltip that looks like rich text would be.
inline QString plainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}
