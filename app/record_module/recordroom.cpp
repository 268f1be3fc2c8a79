// SPDX-License-Identifier: MIT
#include "app/record_module/recordroom.h"

#include "app/record_module/recordcommands.h"
#include "record/meetingstore.h"
#include "report/reportwindow.h"

#include <QAbstractButton>

RecordRoom::RecordRoom(const QString &filePath) : m_store(new MeetingStore(filePath, this))
{
    connect(m_store, &MeetingStore::changed, this, [this] { emit planChanged(0); });
    connect(m_store, &MeetingStore::changedElsewhere, this, [this] { emit planChanged(0); });
}

// The report goes before the store it shows.
RecordRoom::~RecordRoom() = default;

void RecordRoom::prepare()
{
    m_store->prepare();
}

void RecordRoom::record(const SpeechRecord &speech, qint64 plannedId)
{
    // The running row goes before the speech's own comes.
    showRunning(SpeechRecord(), 0, 0);
    // Said first: the store's word that another copy took the planned speech goes over it.
    if (m_report && plannedId != 0 && !speech.speakerName.isEmpty())
        m_report->showRecordedForPlan(speech.speakerName);
    if (plannedId != 0)
        m_store->record(speech, plannedId);
    else
        m_store->record(speech);
}

QList<MeetingRecord::PlannedTurn> RecordRoom::comingUp()
{
    QList<PlannedTurn> turns;
    for (const PlanEntry &entry : m_store->plan())
        turns << PlannedTurn{entry.id, entry.speakerName, entry.rowIndex, entry.thresholdTexts};
    return turns;
}

void RecordRoom::watchPlan(QObject *context, const std::function<void(qint64)> &changed)
{
    connect(this, &RecordRoom::planChanged, context, changed);
}

void RecordRoom::showNext(qint64 plannedId)
{
    m_next = plannedId;
    if (m_report)
        m_report->showNext(plannedId);
}

void RecordRoom::showRunning(const SpeechRecord &run, qint64 plannedId, int elapsedSeconds)
{
    m_run = run;
    m_run.elapsedSeconds = elapsedSeconds;
    m_runPlanned = plannedId;
    if (m_report)
        m_report->showRunning(run, plannedId, elapsedSeconds);
}

void RecordRoom::startNewMeeting()
{
    m_store->startNewMeeting();
    if (m_report)
        m_report->showNewMeeting();
}

void RecordRoom::watchSaved(QObject *context, const std::function<void(bool)> &saved)
{
    connect(m_store, &MeetingStore::savedChanged, context, saved);
}

void RecordRoom::backUp(QWidget *window)
{
    RecordCommands::backUp(m_store, window);
}

bool RecordRoom::settleBeforeClosing(QWidget *window)
{
    return RecordCommands::settleBeforeClosing(m_store, window);
}

void RecordRoom::keepForNextStart()
{
    RecordCommands::keepForNextStart(m_store);
}

void RecordRoom::offerRecovery(QWidget *window)
{
    RecordCommands::offerRecovery(m_store, window);
}

void RecordRoom::openReport(QWidget *timerLight, const QList<QAbstractButton *> &timerButtons,
                            const ReportChoices &choices, bool ticking, qint64 toNextTickMs)
{
    const auto open = [this, timerLight, timerButtons, choices] {
        if (!m_report) {
            m_report = std::make_unique<ReportWindow>(m_store, timerLight, timerButtons);
            connect(m_report.get(), &ReportWindow::folderUsed, this, choices.folderUsed);
            connect(m_report.get(), &ReportWindow::detailsUsed, this, choices.detailsUsed);
            connect(m_report.get(), &ReportWindow::plannedChosen, this, &RecordRoom::planChanged);
            if (choices.quit)
                m_report->addAction(choices.quit);
            m_report->showNext(m_next);
            if (m_run.startedAt.isValid())
                m_report->showRunning(m_run, m_runPlanned, m_run.elapsedSeconds);
        }
        m_report->setLastFolder(choices.lastFolder);
        m_report->setRememberedDetails(choices.meetingTitle, choices.timerName);
        m_report->showAndRaise();
    };
    ReportWindow::openClearOfTick(ticking, toNextTickMs, this, open);
}

void RecordRoom::closeReport()
{
    if (m_report)
        m_report->close();
}

std::unique_ptr<MeetingRecord> RecordModule::open(const QString &filePath)
{
    return std::make_unique<RecordRoom>(filePath);
}
