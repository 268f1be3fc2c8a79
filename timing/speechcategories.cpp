// SPDX-License-Identifier: MIT
#include "timing/speechcategories.h"

#include "timing/checked16.h"

#include <QCoreApplication>

namespace SpeechCategories {

QString shownName(int index)
{
    return QCoreApplication::translate(TextContext, row(index).EventName).simplified();
}

qint16 fieldValue(QStringView field)
{
    qint16 value = 0;
    for (const QChar c : field) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            value =
                Checked16::holdingAdd(Checked16::holdingMul(value, 10), qint16(c.unicode() - '0'));
    }
    return value;
}

qint16 thresholdSeconds(const QString &text, qint16 &minutes, qint16 &seconds)
{
    minutes = fieldValue(QStringView(text).left(2));
    seconds = fieldValue(QStringView(text).right(2));
    return Checked16::holdingAdd(Checked16::holdingMul(minutes, SecondsPerMinute), seconds);
}

StageDelay stageDelay(const QString &thresholdText, qint16 previousChangeTime)
{
    StageDelay stage;
    const qint16 threshold = thresholdSeconds(thresholdText, stage.minutes, stage.seconds);
    stage.delay = Checked16::holdingSub(threshold, previousChangeTime);
    stage.changeTime = Checked16::holdingAdd(previousChangeTime, stage.delay);
    return stage;
}

} // namespace SpeechCategories
