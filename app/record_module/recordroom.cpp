// SPDX-License-Identifier: MIT
#include "app/record_module/recordroom.h"

#include "app/record_module/recordcommands.h"
#include "record/meetingstore.h"
#include "report/reportwindow.h"

#include <QAbstractButton>

RecordRoom::RecordRoom(const QString &filePath) : m_store(new MeetingStore(filePath, this)) {}

// The report goes before the store it shows.
RecordRoom::~RecordRoom() = default;

void RecordRoom::prepare()
{
    m_store->prepare();
}

void RecordRoom::record(const SpeechRecord &speech)
{
    m_store->record(speech);
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
