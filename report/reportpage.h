// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

// The report on paper, for a PDF file and a printer alike: the meeting's heading, the picture
// and the table, on as many pages as it takes.
namespace ReportPage {

void render(QPagedPaintDevice &device, const QString &heading, const QList<SpeechRecord> &speeches);

} // namespace ReportPage
