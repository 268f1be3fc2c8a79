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
    return saveWhole(path, [&bytes](QSaveFile &file) { return file.write(bytes) == bytes.size(); });
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
        QMessageBox box(QMessageBox::Warning, tr("Meeting Record Not Saved"), QString(),
                        QMessageBox::NoButton, window);
        box.setObjectName(QStringLiteral("unsavedRecordBox"));
        QPushButton *save = box.addButton(tr("&Save to a File..."), QMessageBox::AcceptRole);
        save->setObjectName(QStringLiteral("commandSaveUnsaved"));
        QPushButton *retry = box.addButton(tr("&Try Again"), QMessageBox::ResetRole);
        retry->setObjectName(QStringLiteral("commandTryAgain"));
        QPushButton *lose = box.addButton(QString(), QMessageBox::DestructiveRole);
        lose->setObjectName(QStringLiteral("commandQuitAndLose"));
        QPushButton *stay = box.addButton(QMessageBox::Cancel);
        stay->setObjectName(QStringLiteral("commandStay"));
        box.setDefaultButton(save);
        box.setEscapeButton(stay);
        // The record keeps trying while the box is open: it says what is left, and closes once
        // the record took everything.
        const auto tell = [&box, lose, store] {
            const Recovery unsaved = store->unsaved();
            box.setText(
                tr("%1 could not be saved in the meeting record.").arg(whatIsUnsaved(unsaved)));
            box.setInformativeText(tr("%1\n\nSave them to a CSV file, try the record again, or "
                                      "quit and lose them.")
                                       .arg(store->lastError()));
            lose->setText(tr("&Quit and Lose %n", nullptr,
                             int(unsaved.speeches.size() + unsaved.edits.size())));
        };
        tell();
        QObject::connect(store, &MeetingStore::changed, &box, tell);
        QObject::connect(store, &MeetingStore::savedChanged, &box, [&box](bool saved) {
            if (saved)
                box.done(QDialog::Accepted);
        });
        box.exec();
        if (box.clickedButton() == stay)
            return false;
        if (store->isSaved())
            break;
        if (box.clickedButton() == lose) {
            const Recovery unsaved = store->unsaved();
            qWarning("meeting record: %d unsaved speeches and %d changes were discarded, as the "
                     "operator chose to quit and lose them",
                     int(unsaved.speeches.size()), int(unsaved.edits.size()));
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
            QMessageBox unreadable(QMessageBox::Warning, tr("Unsaved Speeches Kept"),
                                   tr("%1 was left by an earlier run to hold unsaved speeches, but "
                                      "it cannot be read: %2.")
                                       .arg(QDir::toNativeSeparators(path), why),
                                   QMessageBox::Ok, window);
            unreadable.setObjectName(QStringLiteral("recoveryUnreadableBox"));
            unreadable.setInformativeText(
                tr("It is left where it is, so that nothing in it is lost."));
            unreadable.exec();
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
