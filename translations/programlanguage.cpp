// SPDX-License-Identifier: MIT
#include "translations/programlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {
const QString ProgramFile = QStringLiteral("lecternworks-timer");
const QString ProgramFolder = QStringLiteral(":/translations");
const QString QtFile = QStringLiteral("qtbase");
const QString FileSeparator = QStringLiteral("_");

// The translator installed when the file loads, owned by the application then; else nullptr.
QTranslator *installFrom(QCoreApplication *application, const QLocale &language,
                         const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(language, file, FileSeparator, folder))
        return nullptr;
    translator->setParent(application);
    application->installTranslator(translator.get());
    return translator.release();
}
} // namespace

QString ProgramLanguage::install(QCoreApplication *application, const QLocale &locale)
{
    return install(application, locale.uiLanguages());
}

QString ProgramLanguage::install(QCoreApplication *application, const QStringList &languages)
{
    for (const QString &name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        const QTranslator *program = installFrom(application, language, ProgramFile, ProgramFolder);
        if (!program)
            continue;
        // Without Qt's own the standard dialogs keep their English buttons: worth no failure.
        installFrom(application, language, QtFile,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return program->language();
    }
    // In English the texts that count still need their forms: "1 speech", not "1 speech(es)".
    installFrom(application, QLocale(QLocale::English), ProgramFile, ProgramFolder);
    return QString();
}
