// SPDX-License-Identifier: MIT
#include "app/savedtitle.h"

#include <QCoreApplication>

QString titleShowingSaved(const QString &title, bool saved)
{
    const QString mark = QCoreApplication::translate("LecternWorksTimer", " (record not saved)");
    QString shown = title;
    if (shown.endsWith(mark))
        shown.chop(mark.size());
    return saved ? shown : shown + mark;
}
