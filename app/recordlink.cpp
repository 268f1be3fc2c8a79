// SPDX-License-Identifier: MIT
#include "app/recordlink.h"

#include "app/savedtitle.h"
#include "record/meetingstore.h"

#include <QTimer>
#include <QWidget>

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
