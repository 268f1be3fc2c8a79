// SPDX-License-Identifier: MIT
#pragma once

#include "app/meetingrecord.h"

#include <QObject>
#include <QtPlugin>

// The meeting's record and its report behind the window: the store in the user's data folder,
// and the report's window once it is opened.
class RecordRoom : public QObject, public MeetingRecord
{
    Q_OBJECT

public:
    explicit RecordRoom(const QString &filePath);
    ~RecordRoom() override;

    MeetingStore *store() override { return m_store; }
    ReportWindow *report() const override { return m_report.get(); }
    void prepare() override;
    void record(const SpeechRecord &speech, qint64 plannedId) override;
    void startNewMeeting() override;
    void watchSaved(QObject *context, const std::function<void(bool)> &saved) override;
    void backUp(QWidget *window) override;
    bool settleBeforeClosing(QWidget *window) override;
    void keepForNextStart() override;
    void offerRecovery(QWidget *window) override;
    void openReport(QWidget *timerLight, const QList<QAbstractButton *> &timerButtons,
                    const ReportChoices &choices, bool ticking, qint64 toNextTickMs) override;
    void closeReport() override;
    QList<PlannedTurn> comingUp() override;
    void watchPlan(QObject *context, const std::function<void(qint64)> &changed) override;
    void showNext(qint64 plannedId) override;
    void showRunning(const SpeechRecord &run, qint64 plannedId, int elapsedSeconds) override;

signals:
    // The plan changed, or the operator chose a planned speech (its id) in the meeting's window.
    void planChanged(qint64 chosenId);

private:
    MeetingStore *m_store = nullptr;
    std::unique_ptr<ReportWindow> m_report; // made at its first opening
    // What the meeting's window shows when it opens.
    qint64 m_next = 0;
    SpeechRecord m_run;
    qint64 m_runPlanned = 0;
};

// The module's entry, made by Qt's plugin loader.
class RecordModule : public QObject, public MeetingRecordModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MeetingRecordModule_iid)
    Q_INTERFACES(MeetingRecordModule)

public:
    std::unique_ptr<MeetingRecord> open(const QString &filePath) override;
};
