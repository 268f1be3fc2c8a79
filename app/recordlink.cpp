// SPDX-License-Identifier: MIT
#include "app/recordlink.h"

#include "app/savedtitle.h"
#include "app/settings.h"
#include "record/meetingstore.h"
#include "record/recoveryfile.h"

#include <QTimer>
#include <QWidget>

namespace {
// How long the title says that File ▸ New Meeting began one.
constexpr int NewMeetingNoteMs = 4000;
} // namespace

RecordLink::RecordLink(QWidget *window)
    : QObject(window), m_window(window), m_filePath(MeetingStore::defaultFilePath())
{
}

RecordLink::~RecordLink() = default;

MeetingRecord *RecordLink::open()
{
    if (!m_record) {
        m_record = MeetingRecord::open(m_filePath);
        if (m_record)
            m_record->watchSaved(this, [this](bool saved) {
                m_window->setWindowTitle(titleShowingSaved(m_window->windowTitle(), saved));
            });
    }
    return m_record.get();
}

void RecordLink::startRun(const SpeechRecord &run)
{
    m_run = run;
    QTimer::singleShot(0, this, [this] {
        if (MeetingRecord *record = open())
            record->prepare();
    });
}

void RecordLink::finishRun(int elapsedSeconds, SpeechRecord::Lamp lamp, bool stopped,
                           int graceSeconds)
{
    if (!m_run.startedAt.isValid())
        return;
    if (MeetingRecord *record = open())
        record->record(SpeechRecord::finished(m_run, elapsedSeconds, lamp, stopped, graceSeconds));
    m_run = SpeechRecord();
}

bool RecordLink::settleBeforeClosing(bool canAsk)
{
    // A record never opened holds nothing unsaved.
    if (!m_record)
        return true;
    if (!canAsk) {
        m_record->keepForNextStart();
        return true;
    }
    return m_record->settleBeforeClosing(m_window);
}

void RecordLink::startNewMeeting()
{
    MeetingRecord *record = open();
    if (!record)
        return;
    record->startNewMeeting();
    // The title says so for a while, before its " (record not saved)" if it has one.
    const QString note = tr(" - new meeting started");
    const auto showNote = [this, note, record](bool shown) {
        const QString plain = titleShowingSaved(m_window->windowTitle(), true).remove(note);
        m_window->setWindowTitle(
            titleShowingSaved(shown ? plain + note : plain, record->store()->isSaved()));
    };
    showNote(true);
    QTimer::singleShot(NewMeetingNoteMs, this, [showNote] { showNote(false); });
}

void RecordLink::openReport(Settings *settings, QWidget *timerLight,
                            const QList<QAbstractButton *> &timerButtons, bool ticking,
                            qint64 toNextTickMs)
{
    MeetingRecord *record = open();
    if (!record)
        return;
    MeetingRecord::ReportChoices choices;
    choices.lastFolder = settings->lastFolder();
    choices.meetingTitle = settings->meetingTitle();
    choices.timerName = settings->timerName();
    choices.folderUsed = [settings](const QString &folder) { settings->setLastFolder(folder); };
    choices.detailsUsed = [settings](const QString &title, const QString &timerName) {
        settings->setMeetingTitle(title);
        settings->setTimerName(timerName);
    };
    record->openReport(timerLight, timerButtons, choices, ticking, toNextTickMs);
}

void RecordLink::offerRecovery()
{
    if (RecoveryFile::waiting().isEmpty())
        return;
    if (MeetingRecord *record = open())
        record->offerRecovery(m_window);
}
