// SPDX-License-Identifier: MIT
#pragma once

#include "record/meeting.h"
#include "record/speechrecord.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

// The report on paper, for a PDF file and a printer alike: the meeting's heading and summary,
// the picture and the table, on as many pages as it takes, each numbered.
namespace ReportPage {

// Turns the page to landscape when the table's columns need it, before anything is drawn.
void render(QPagedPaintDevice &device, const Meeting &meeting, const QList<SpeechRecord> &speeches);

} // namespace ReportPage
