// SPDX-License-Identifier: MIT
#pragma once

#include "agenda/plannedspeech.h"
#include "record/meeting.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QPrinter;
class QWidget;
class ReportModel;

// The report as files, written from the model. Each file is written through a QSaveFile and
// committed only when every byte reached the disk, so it appears whole or not at all and a file
// it replaces stays as it was; false and why when it could not be.
namespace ReportExport {

// What a file of the meeting is named after; the plan's file has a stem of its own.
inline const QString MeetingStem = QStringLiteral("meeting");
// The meeting's day (today's when there is none) names the file; it goes to lastFolder if that
// is still there, else to the documents folder, else home.
QString suggestedFile(const QString &lastFolder, const QDate &day, const QString &suffix,
                      const QString &stem = MeetingStem);
// "meeting-2026-12-07.pdf": no colons or other characters a FAT or exFAT stick refuses.
QString fileName(const QDate &day, const QString &suffix, const QString &stem = MeetingStem);
// Every speech of the meeting, a column saying which were rehearsals.
bool writeCsv(const QString &path, const Meeting &meeting, const ReportModel &model, QString *why);
// The agenda, in the form the import reads back.
bool writeAgenda(const QString &path, const QList<PlannedSpeech> &speeches, QString *why);
// The speeches shown, as they are printed.
bool writePdf(const QString &path, const Meeting &meeting, const ReportModel &model, QString *why);

} // namespace ReportExport

// The report's file and print dialogs, modal to the report alone, which is a window of its own:
// the timer keeps its keys. They start in the folder used last, and say how the writing went.
class ReportFiles : public QObject
{
    Q_OBJECT

public:
    // The dialogs belong to window; openDialog places each and opens it.
    ReportFiles(const ReportModel *model, QWidget *window,
                std::function<void(QDialog *)> openDialog);
    ~ReportFiles() override;

    // The folder the file dialogs open in first, when it is still there.
    void setLastFolder(const QString &folder) { m_lastFolder = folder; }
    // The meeting shown: its details head the pages, its day names the files.
    void setMeeting(const Meeting &meeting) { m_meeting = meeting; }

    void askToExportCsv();
    void askToSavePdf();
    void askToPrint();
    void showPrintPreview();
    // The plan's file: one to import, read by read; one to save it in, written by write.
    void askToImportPlan(const std::function<void(const QString &)> &read);
    void askToSavePlan(const std::function<bool(const QString &)> &write);
    bool exportCsv(const QString &path);
    bool savePdf(const QString &path);

signals:
    // A file was chosen in this folder, to be suggested again next time.
    void folderUsed(const QString &folder);
    // What became of a file or a print, to tell the operator; problem when it failed.
    void said(const QString &text, bool problem);

private:
    void askForFile(const QString &caption, const QString &filter, const QString &suffix,
                    const std::function<bool(const QString &)> &write, bool toSave = true,
                    const QString &stem = ReportExport::MeetingStem);
    bool saved(const QString &path, bool written, const QString &why);
    QPrinter *printer();

    const ReportModel *m_model = nullptr;
    QWidget *m_window = nullptr;
    std::function<void(QDialog *)> m_openDialog;
    QString m_lastFolder;
    Meeting m_meeting;
    std::unique_ptr<QPrinter> m_printer; // made at the first Print...
};
