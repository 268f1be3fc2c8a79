// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's texts, and Qt's own for its standard dialogs, in the first of the locale's
// languages that the program has, installed on the application so that the modules loaded later
// read them too. English is the language the program is written in: for it, and for a language the
// program lacks, only the English forms of the texts that count are loaded.
namespace ProgramLanguage {

// The language of the program's translation installed ("de"); empty when none was.
QString install(QCoreApplication *application, const QLocale &locale = QLocale());
// The same for the languages preferred, first first ("en-GB", "de-DE").
QString install(QCoreApplication *application, const QStringList &languages);

} // namespace ProgramLanguage
