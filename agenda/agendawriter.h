// SPDX-License-Identifier: MIT
#pragma once

#include "agenda/plannedspeech.h"

#include <QByteArray>
#include <QList>

// The agenda as a CSV file the reader takes back unchanged: a header row, comma separated, the
// category as its row's description, thresholds only for CUSTOM; names kept as text, never run
// as a spreadsheet's formula.
namespace AgendaWriter {

// UTF-8 with a byte order mark, CRLF line ends, as the report's CSV. ReportExport::writeAgenda
// writes it to a file.
QByteArray csv(const QList<PlannedSpeech> &speeches);

} // namespace AgendaWriter
