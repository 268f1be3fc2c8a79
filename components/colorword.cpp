// SPDX-License-Identifier: MIT
#include "components/colorword.h"

namespace ColorWord {

QPalette::ColorRole systemRole(quint32 index)
{
    switch (index) {
    case 5:
        return QPalette::Base;
    case 8:
        return QPalette::Text;
    case 18:
        return QPalette::ButtonText;
    default:
        // Any other system colour falls back to the window face, never to an invalid colour.
        return QPalette::Window;
    }
}

QColor toColor(quint32 word, const QPalette &palette)
{
    if (word & SystemFlag)
        return palette.color(QPalette::Active, systemRole(word & 0xFFu));
    return QColor(int(word & 0xFFu), int((word >> 8) & 0xFFu), int((word >> 16) & 0xFFu));
}

quint32 parse(const QString &text, bool *ok)
{
    return text.trimmed().toUInt(ok, 0);
}

} // namespace ColorWord
