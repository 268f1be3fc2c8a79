// SPDX-License-Identifier: MIT
#include "timing/timetext.h"

namespace {

// Fullwidth forms (U+FF01 to U+FF5E) sit at this distance from their ASCII characters.
constexpr char32_t FullwidthOffset = 0xFEE0;

} // namespace

namespace TimeText {

char32_t nextCodePoint(QStringView text, qsizetype &i)
{
    const QChar here = text[i++];
    if (here.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate())
        return QChar::surrogateToUcs4(here, text[i++]);
    return here.unicode();
}

QChar asciiDigit(char32_t c)
{
    return QChar(u'0' + QChar::digitValue(c));
}

bool isSeparator(char32_t c)
{
    return c == char32_t(Separator) || c == Separator + FullwidthOffset;
}

QString asciiDigitsOf(QStringView text, qsizetype places)
{
    QString digits;
    for (qsizetype i = 0; i < text.size() && digits.size() < places;) {
        const char32_t c = nextCodePoint(text, i);
        if (QChar::isDigit(c))
            digits += asciiDigit(c);
    }
    return digits;
}

QString timeOf(QStringView text, qsizetype colon)
{
    const QString minutes = asciiDigitsOf(text.first(colon), MinutePlaces);
    const QString seconds = asciiDigitsOf(text.sliced(colon + 1), SecondPlaces);
    if (minutes.isEmpty() && seconds.isEmpty())
        return {};
    return minutes.rightJustified(MinutePlaces, u'0') + QLatin1Char(Separator) +
           seconds.rightJustified(SecondPlaces, u'0');
}

} // namespace TimeText
