// SPDX-License-Identifier: MIT
#include "report/reportfiles.h"

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
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString SuggestedName = QStringLiteral("meeting-%1.%2");
constexpr int PdfResolution = 300;
constexpr qreal PageMarginMm = 15;

bool writeFile(const QString &path, const std::function<bool(QSaveFile &)> &write, QString *why)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return true;
    if (why)
        *why = file.errorString();
    return false;
}

} // namespace

namespace ReportExport {

QString suggestedFile(const QString &lastFolder, const QDate &day, const QString &suffix)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString folder = QDir::homePath();
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir())
        folder = lastFolder;
    else if (!documents.isEmpty() && QFileInfo(documents).isDir())
        folder = documents;
    const QDate named = day.isValid() ? day : QDate::currentDate();
    return QDir(folder).filePath(SuggestedName.arg(named.toString(Qt::ISODate), suffix));
}

bool writeCsv(const QString &path, const ReportModel &model, QString *why)
{
    const QByteArray bytes = ReportText::csv(model.allSpeeches());
    return writeFile(
        path, [&bytes](QSaveFile &file) { return file.write(bytes) == bytes.size(); }, why);
}

bool writePdf(const QString &path, const QString &heading, const ReportModel &model, QString *why)
{
    return writeFile(
        path,
        [&](QSaveFile &file) {
            QPdfWriter writer(&file);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm),
                                  QPageLayout::Millimeter);
            writer.setResolution(PdfResolution);
            writer.setTitle(heading);
            writer.setCreator(QGuiApplication::applicationDisplayName());
            ReportPage::render(writer, heading, model.shownSpeeches());
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

void ReportFiles::setMeeting(const QString &heading, const QDate &day)
{
    m_heading = heading;
    m_day = day;
}

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

void ReportFiles::askToPrint()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
    }
    m_printer->setDocName(m_heading);
    auto *dialog = new QPrintDialog(m_printer.get(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this] {
        ReportPage::render(*m_printer, m_heading, m_model->shownSpeeches());
        emit said(tr("Sent to %1.")
                      .arg(m_printer->outputFileName().isEmpty() ? m_printer->printerName()
                                                                 : m_printer->outputFileName()),
                  false);
    });
    m_openDialog(dialog);
}

bool ReportFiles::exportCsv(const QString &path)
{
    QString why;
    const bool written = ReportExport::writeCsv(path, *m_model, &why);
    return saved(path, written, why);
}

bool ReportFiles::savePdf(const QString &path)
{
    QString why;
    const bool written = ReportExport::writePdf(path, m_heading, *m_model, &why);
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

void ReportFiles::askForFile(const QString &caption, const QString &filter, const QString &suffix,
                             const std::function<bool(const QString &)> &write)
{
    const QFileInfo suggested(ReportExport::suggestedFile(m_lastFolder, m_day, suffix));
    auto *dialog = new QFileDialog(m_window, caption, suggested.absolutePath(), filter);
    dialog->selectFile(suggested.fileName());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    connect(dialog, &QFileDialog::fileSelected, this, [this, write](const QString &path) {
        m_lastFolder = QFileInfo(path).absolutePath();
        emit folderUsed(m_lastFolder);
        write(path);
    });
    m_openDialog(dialog);
}
