// SPDX-License-Identifier: MIT
#include "app/record_module/recordcommands.h"

#include "components/besidetimer.h"
#include "components/checkedsave.h"
#include "record/meetingstore.h"
#include "record/recoveryfile.h"
#include "report/reporttext.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

namespace RecordCommands {

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("RecordCommands", text, disambiguation, n);
}

QString whatIsUnsaved(const Recovery &unsaved)
{
    const int speeches = int(unsaved.speeches.size());
    const int edits = int(unsaved.edits.size());
    if (edits == 0)
        return tr("%n speech(es)", nullptr, speeches);
    if (speeches == 0)
        return tr("%n change(s) made in the report", nullptr, edits);
    return tr("%n speech(es)", nullptr, speeches) + tr(" and ") +
           tr("%n change(s) made in the report", nullptr, edits);
}

QString suggestedFile()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QDir(documents).exists() ? documents : QDir::homePath();
    return QDir(folder).filePath(
        QStringLiteral("unsaved-speeches-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate)));
}

// The CSV of what is unsaved, whole or not at all; the reason on failure.
QString saveAsCsv(MeetingStore *store, const QString &path)
{
    const QByteArray bytes = ReportText::csv(Meeting(), store->unsavedSpeeches());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && commitChecked(file))
        return QString();
    return file.errorString();
}

} // namespace

void backUp(MeetingStore *store, QWidget *window)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QDir(documents).exists() ? documents : QDir::homePath();
    auto *dialog =
        new QFileDialog(window, tr("Back Up Meetings"), folder, tr("Meeting records (*.sqlite)"));
    dialog->setObjectName(QStringLiteral("backUpDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("sqlite"));
    dialog->selectFile(QStringLiteral("meetings-backup-%1.sqlite")
                           .arg(QDate::currentDate().toString(Qt::ISODate)));
    // Not modal: START and STOP stay at hand while it is open.
    dialog->setModal(false);
    QObject::connect(
        dialog, &QFileDialog::fileSelected, window, [store, window](const QString &path) {
            const QString failure = store->backUpTo(path);
            auto *told = new QMessageBox(
                failure.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                tr("Back Up Meetings"),
                failure.isEmpty()
                    ? tr("Every meeting is saved in %1.").arg(QDir::toNativeSeparators(path))
                    : tr("Could not back up to %1: %2")
                          .arg(QDir::toNativeSeparators(path), failure),
                QMessageBox::Ok, window);
            told->setObjectName(QStringLiteral("backUpResult"));
            told->setAttribute(Qt::WA_DeleteOnClose);
            told->setModal(false);
            told->show();
        });
    // Clear of the light, which it would otherwise cover while a speech is timed.
    dialog->ensurePolished();
    dialog->resize(dialog->size().expandedTo(dialog->sizeHint()));
    BesideTimer::openBeside(window->window(), dialog, dialog->minimumSizeHint());
    dialog->show();
}

bool settleBeforeClosing(MeetingStore *store, QWidget *window)
{
    while (!store->isSaved()) {
        const Recovery unsaved = store->unsaved();
        const int count = int(unsaved.speeches.size() + unsaved.edits.size());
        QMessageBox box(
            QMessageBox::Warning, tr("Meeting Record Not Saved"),
            tr("%1 could not be saved in the meeting record.").arg(whatIsUnsaved(unsaved)),
            QMessageBox::NoButton, window);
        box.setObjectName(QStringLiteral("unsavedRecordBox"));
        box.setInformativeText(tr("%1\n\nSave them to a CSV file, try the record again, or quit "
                                  "and lose them.")
                                   .arg(store->lastError()));
        QPushButton *save = box.addButton(tr("&Save to a File..."), QMessageBox::AcceptRole);
        save->setObjectName(QStringLiteral("commandSaveUnsaved"));
        QPushButton *retry = box.addButton(tr("&Try Again"), QMessageBox::ResetRole);
        retry->setObjectName(QStringLiteral("commandTryAgain"));
        QPushButton *lose =
            box.addButton(tr("&Quit and Lose %n", nullptr, count), QMessageBox::DestructiveRole);
        lose->setObjectName(QStringLiteral("commandQuitAndLose"));
        QPushButton *stay = box.addButton(QMessageBox::Cancel);
        stay->setObjectName(QStringLiteral("commandStay"));
        box.setDefaultButton(save);
        box.setEscapeButton(stay);
        box.exec();
        if (box.clickedButton() == lose) {
            store->forgetUnsaved();
            return true;
        }
        if (box.clickedButton() == retry) {
            store->retryNow();
            continue;
        }
        if (box.clickedButton() != save)
            return false;
        const QString path = QFileDialog::getSaveFileName(window, tr("Save the Unsaved Speeches"),
                                                          suggestedFile(), tr("CSV files (*.csv)"));
        if (path.isEmpty())
            continue;
        const QString failure = saveAsCsv(store, path);
        if (!failure.isEmpty()) {
            QMessageBox::warning(
                window, tr("Meeting Record Not Saved"),
                tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), failure));
            continue;
        }
        qWarning("meeting record: the unsaved speeches were saved to %s instead", qPrintable(path));
        store->forgetUnsaved();
    }
    return true;
}

QString keepForNextStart(MeetingStore *store)
{
    if (store->isSaved())
        return QString();
    QString why;
    const QString path = RecoveryFile::write(store->unsaved(), &why);
    if (path.isEmpty()) {
        qWarning("meeting record: the unsaved speeches could not be kept anywhere: %s",
                 qPrintable(why));
        return path;
    }
    qWarning("meeting record: the unsaved speeches and changes were kept in %s; the next start "
             "offers to take them into the record",
             qPrintable(path));
    store->forgetUnsaved();
    return path;
}

void offerRecovery(MeetingStore *store, QWidget *window)
{
    for (const QString &path : RecoveryFile::waiting()) {
        QString why;
        const std::optional<Recovery> recovery = RecoveryFile::read(path, &why);
        if (!recovery) {
            qWarning("meeting record: %s is left as it is: %s", qPrintable(path), qPrintable(why));
            continue;
        }
        QMessageBox box(QMessageBox::Question, tr("Unsaved Speeches Kept"),
                        tr("When the program last ended, %1 could not be saved in the meeting "
                           "record; they were kept in %2.")
                            .arg(whatIsUnsaved(*recovery), QDir::toNativeSeparators(path)),
                        QMessageBox::NoButton, window);
        box.setObjectName(QStringLiteral("recoveryBox"));
        box.setInformativeText(tr("Take them into the meeting record now?"));
        QPushButton *take = box.addButton(tr("&Take Them In"), QMessageBox::AcceptRole);
        take->setObjectName(QStringLiteral("commandTakeIn"));
        box.addButton(tr("&Later"), QMessageBox::RejectRole)
            ->setObjectName(QStringLiteral("commandLater"));
        box.setDefaultButton(take);
        box.exec();
        if (box.clickedButton() != take)
            continue;
        // Held by the store from here on, written now or kept like any unsaved speech.
        store->takeIn(*recovery);
        if (!QFile::remove(path))
            qWarning("meeting record: %s was taken in but could not be removed", qPrintable(path));
    }
}

} // namespace RecordCommands
