// SPDX-License-Identifier: MIT
#include "report/reportfiles.h"

#include "agenda/agendawriter.h"
#include "components/checkedsave.h"
#include "report/reportmodel.h"
#include "report/reportpage.h"
#include "report/reporttext.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString SuggestedName = QStringLiteral("%1-%2.%3");
constexpr int PdfResolution = 300;
// Many printers clip near the paper's edge.
constexpr qreal PageMarginMm = 15;
const QMarginsF PageMargins(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm);
// The preview shows a whole page at a readable size, where the screen allows.
constexpr QSize PreviewSize(900, 760);

bool writeFile(const QString &path, const std::function<bool(QSaveFile &)> &write, QString *why)
{
    const QString failure = saveWhole(path, write);
    if (why)
        *why = failure;
    return failure.isEmpty();
}

QString documentName(const Meeting &meeting)
{
    return ReportExport::fileName(meeting.startedAt.date(), {}).chopped(1);
}

} // namespace

namespace ReportExport {

QString suggestedFile(const QString &lastFolder, const QDate &day, const QString &suffix,
                      const QString &stem)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString folder = QDir::homePath();
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir())
        folder = lastFolder;
    else if (!documents.isEmpty() && QFileInfo(documents).isDir())
        folder = documents;
    return QDir(folder).filePath(fileName(day, suffix, stem));
}

QString fileName(const QDate &day, const QString &suffix, const QString &stem)
{
    const QDate named = day.isValid() ? day : QDate::currentDate();
    return SuggestedName.arg(stem, named.toString(Qt::ISODate), suffix);
}

bool writeCsv(const QString &path, const Meeting &meeting, const ReportModel &model, QString *why)
{
    const QByteArray bytes = ReportText::csv(meeting, model.allSpeeches());
    return writeFile(
        path, [&bytes](QSaveFile &file) { return file.write(bytes) == bytes.size(); }, why);
}

bool writeAgenda(const QString &path, const QList<PlannedSpeech> &speeches, QString *why)
{
    const QByteArray bytes = AgendaWriter::csv(speeches);
    return writeFile(
        path, [&bytes](QSaveFile &file) { return file.write(bytes) == bytes.size(); }, why);
}

bool writePdf(const QString &path, const Meeting &meeting, const ReportModel &model, QString *why)
{
    return writeFile(
        path,
        [&](QSaveFile &file) {
            QPdfWriter writer(&file);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(PageMargins, QPageLayout::Millimeter);
            writer.setResolution(PdfResolution);
            writer.setTitle(ReportText::documentTitle(meeting));
            writer.setCreator(QGuiApplication::applicationDisplayName());
            ReportPage::render(writer, meeting, model.shownSpeeches());
            return file.error() == QFileDevice::NoError;
        },
        why);
}

} // namespace ReportExport

ReportFiles::ReportFiles(const ReportModel *model, QWidget *window,
                         std::function<void(QDialog *)> openDialog)
    : QObject(window), m_model(model), m_window(window), m_openDialog(std::move(openDialog))
{
}

ReportFiles::~ReportFiles() = default;

void ReportFiles::askToExportCsv()
{
    askForFile(tr("Export CSV"), tr("CSV files (*.csv)"), QStringLiteral("csv"),
               [this](const QString &path) { return exportCsv(path); });
}

void ReportFiles::askToSavePdf()
{
    askForFile(tr("Save as PDF"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"),
               [this](const QString &path) { return savePdf(path); });
}

QPrinter *ReportFiles::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
    }
    m_printer->setPageMargins(PageMargins, QPageLayout::Millimeter);
    m_printer->setPageOrientation(QPageLayout::Portrait);
    // The name a print to a file is offered under; with no printer that is all it can do, so
    // the file is suggested in the folder used last.
    m_printer->setDocName(documentName(m_meeting));
    if (QPrinterInfo::availablePrinters().isEmpty())
        m_printer->setOutputFileName(ReportExport::suggestedFile(
            m_lastFolder, m_meeting.startedAt.date(), QStringLiteral("pdf")));
    return m_printer.get();
}

void ReportFiles::askToPrint()
{
    auto *dialog = new QPrintDialog(printer(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this] {
        QPrinter &paper = *m_printer;
        // A print to a file is saved as Save as PDF saves, checked to the last byte.
        const QString file = paper.outputFileName();
        if (!file.isEmpty()) {
            m_lastFolder = QFileInfo(file).absolutePath();
            emit folderUsed(m_lastFolder);
            savePdf(file);
            return;
        }
        // The dialog may have taken the margins back to the printer's own.
        paper.setPageMargins(PageMargins, QPageLayout::Millimeter);
        ReportPage::render(paper, m_meeting, m_model->shownSpeeches());
        emit said(tr("Sent to %1.").arg(paper.printerName()), false);
    });
    m_openDialog(dialog);
}

void ReportFiles::showPrintPreview()
{
    auto *dialog = new QPrintPreviewDialog(printer(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *paper) {
        ReportPage::render(*paper, m_meeting, m_model->shownSpeeches());
    });
    dialog->resize(PreviewSize);
    m_openDialog(dialog);
}

bool ReportFiles::exportCsv(const QString &path)
{
    QString why;
    const bool written = ReportExport::writeCsv(path, m_meeting, *m_model, &why);
    return saved(path, written, why);
}

bool ReportFiles::savePdf(const QString &path)
{
    QString why;
    const bool written = ReportExport::writePdf(path, m_meeting, *m_model, &why);
    return saved(path, written, why);
}

bool ReportFiles::saved(const QString &path, bool written, const QString &why)
{
    if (written)
        emit said(tr("Saved %1.").arg(QDir::toNativeSeparators(path)), false);
    else
        emit said(tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), why), true);
    return written;
}

void ReportFiles::askToImportPlan(const std::function<void(const QString &)> &read)
{
    askForFile(
        tr("Import Plan"), tr("CSV files (*.csv);;All files (*)"), QStringLiteral("csv"),
        [read](const QString &path) {
            read(path);
            return true;
        },
        false);
}

void ReportFiles::askToSavePlan(const std::function<bool(const QString &)> &write)
{
    // Named apart from the meeting's export, which it would otherwise replace in the same folder.
    askForFile(tr("Save Plan"), tr("CSV files (*.csv)"), QStringLiteral("csv"), write, true,
               QStringLiteral("plan"));
}

void ReportFiles::askForFile(const QString &caption, const QString &filter, const QString &suffix,
                             const std::function<bool(const QString &)> &write, bool toSave,
                             const QString &stem)
{
    const QFileInfo suggested(
        ReportExport::suggestedFile(m_lastFolder, m_meeting.startedAt.date(), suffix, stem));
    auto *dialog = new QFileDialog(m_window, caption, suggested.absolutePath(), filter);
    if (toSave)
        dialog->selectFile(suggested.fileName());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(toSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!toSave)
        dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(suffix);
    connect(dialog, &QFileDialog::fileSelected, this, [this, write](const QString &path) {
        m_lastFolder = QFileInfo(path).absolutePath();
        emit folderUsed(m_lastFolder);
        write(path);
    });
    m_openDialog(dialog);
}
