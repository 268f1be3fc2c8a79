// SPDX-License-Identifier: MIT
#include "app/recordlink.h"

#include "app/agendalink.h"
#include "app/lecternworkstimer.h"
#include "app/savedtitle.h"
#include "app/settings.h"
#include "app/ticktimer.h"
#include "record/meetingstore.h"
#include "record/recoveryfile.h"

#include <QFile>
#include <QTimer>
#include <QWidget>

namespace {
// How long the title says that File ▸ New Meeting began one.
constexpr int NewMeetingNoteMs = 4000;
} // namespace

RecordLink::RecordLink(LecternWorksTimer *window, Settings &settings)
    : QObject(window), m_window(window), m_filePath(MeetingStore::defaultFilePath()),
      m_agenda(new AgendaLink(window, settings, this))
{
    connect(m_agenda, &AgendaLink::nextChanged, this, &RecordLink::showTitle);
    // After the window's own handler: the count is the one the window shows.
    connect(window->tickTimer(), &TickTimer::timeout, this, &RecordLink::ticked);
    // A plan made ahead is followed from the first speech, so its record opens with the window;
    // so does a record these settings have not seen, which may hold one.
    if (settings.planWaiting() || (!settings.planWaitingKnown() && QFile::exists(m_filePath)))
        QTimer::singleShot(0, this, [this] { open(); });
}

RecordLink::~RecordLink() = default;

MeetingRecord *RecordLink::open()
{
    if (!m_record) {
        m_record = MeetingRecord::open(m_filePath);
        if (m_record) {
            m_record->watchSaved(this, [this](bool) { showTitle(); });
            m_agenda->attach(m_record.get());
        }
    }
    return m_record.get();
}

void RecordLink::startRun(const SpeechRecord &run)
{
    m_run = run;
    m_run.startedBy = m_commandingDevice;
    m_plannedId = m_agenda->startRun(m_run);
    QTimer::singleShot(0, this, [this] {
        if (MeetingRecord *record = open()) {
            record->prepare();
            if (m_run.startedAt.isValid())
                record->showRunning(m_run, m_plannedId, 0);
        }
    });
}

void RecordLink::finishRun(int elapsedSeconds, SpeechRecord::Lamp lamp, bool stopped,
                           int graceSeconds)
{
    if (!m_run.startedAt.isValid())
        return;
    SpeechRecord speech =
        SpeechRecord::finished(m_run, elapsedSeconds, lamp, stopped, graceSeconds);
    speech.stoppedBy = m_commandingDevice;
    // A START pressed by mistake leaves the planned speaker still to speak.
    const qint64 planned = speech.mistakenStart ? 0 : m_plannedId;
    if (planned == 0)
        speech.speakerName.clear();
    m_agenda->runEnding(planned);
    if (MeetingRecord *record = open())
        record->record(speech, planned);
    m_run = SpeechRecord();
    m_plannedId = 0;
}

void RecordLink::ticked()
{
    if (m_record && m_run.startedAt.isValid())
        m_record->showRunning(m_run, m_plannedId, m_window->timingState().ElapsedSeconds);
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
    m_agenda->meetingBegun();
    // The title says so for a while.
    m_newMeetingNote = true;
    showTitle();
    QTimer::singleShot(NewMeetingNoteMs, this, [this] {
        m_newMeetingNote = false;
        showTitle();
    });
}

// The layout's caption, then whose speech START records, the new meeting's note and, last,
// " (record not saved)" while something waits in memory.
void RecordLink::showTitle()
{
    if (m_caption.isNull())
        m_caption = m_window->windowTitle();
    QString title = m_caption;
    if (const QString next = m_agenda->nextText(); !next.isEmpty())
        title += tr(" - Next: %1").arg(next);
    if (m_newMeetingNote)
        title += tr(" - new meeting started");
    m_window->setWindowTitle(titleShowingSaved(title, !m_record || m_record->store()->isSaved()));
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
    choices.quit = m_window->menuItems().menuQuit;
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
