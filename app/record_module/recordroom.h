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
    void record(const SpeechRecord &speech) override;
    void startNewMeeting() override;
    void watchSaved(QObject *context, const std::function<void(bool)> &saved) override;
    void backUp(QWidget *window) override;
    bool settleBeforeClosing(QWidget *window) override;
    void keepForNextStart() override;
    void offerRecovery(QWidget *window) override;
    void openReport(QWidget *timerLight, const QList<QAbstractButton *> &timerButtons,
                    const ReportChoices &choices, bool ticking, qint64 toNextTickMs) override;
    void closeReport() override;

private:
    MeetingStore *m_store = nullptr;
    std::unique_ptr<ReportWindow> m_report; // made at its first opening
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
