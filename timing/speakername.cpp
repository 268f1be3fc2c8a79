// SPDX-License-Identifier: MIT
#include "timing/speakername.h"

#include <QList>

namespace {

bool isBidiControl(uint c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

QList<uint> cleanedCodePoints(const QString &name)
{
    QList<uint> kept;
    bool blank = true; // at the start, so leading blanks go
    for (const uint c : name.toUcs4()) {
        if (isBidiControl(c))
            continue;
        const QChar::Category category = QChar::category(char32_t(c));
        const bool isBlank = category == QChar::Other_Control ||
                             category == QChar::Separator_Line ||
                             category == QChar::Separator_Paragraph || QChar::isSpace(char32_t(c));
        if (isBlank && blank)
            continue;
        kept.append(isBlank ? uint(' ') : c);
        blank = isBlank;
    }
    return kept;
}

QString textOf(QList<uint> codePoints)
{
    while (!codePoints.isEmpty() && codePoints.last() == uint(' '))
        codePoints.removeLast();
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(codePoints.constData()),
                             codePoints.size());
}

} // namespace

namespace SpeakerName {

QString cleaned(const QString &name)
{
    return textOf(cleanedCodePoints(name));
}

QString cleanedAndCut(const QString &name)
{
    QList<uint> kept = cleanedCodePoints(name);
    // Cut at a whole character, never inside a surrogate pair.
    if (kept.size() > MaxLength)
        kept.resize(MaxLength);
    return textOf(kept);
}

} // namespace SpeakerName
