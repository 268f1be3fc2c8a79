// SPDX-License-Identifier: MIT
#pragma once

#include "record/meeting.h"
#include "record/speechrecord.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class MeetingStore;
class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QKeyEvent;
class QKeySequence;
class QLabel;
class QLayout;
class QLineEdit;
class QMenuBar;
class QScrollArea;
class QSortFilterProxyModel;
class QSplitter;
class QTableView;
class MeetingEditor;
class ReportFiles;
class ReportModel;
class TimingChart;

// The meeting's window: a window of its own beside the timer, never modal. It shows a meeting's
// plan and speeches as a picture and one table, takes the plan (typed, pasted, imported) and the
// speakers' names, sets the record right by hand, and hands the report on read aloud (the
// clipboard), as a spreadsheet, as a PDF file and on paper. It is a top-level window of its own,
// so that its dialogs block it alone and never the timer.
class ReportWindow : public QWidget
{
    Q_OBJECT

public:
    // Placed beside the window of timerLight, never over the light; the access keys of
    // timerButtons (START and STOP) click them from the report too, when they are shown.
    explicit ReportWindow(MeetingStore *store, QWidget *timerLight = nullptr,
                          const QList<QAbstractButton *> &timerButtons = {});
    ~ReportWindow() override;

    // Calls open at once or, while the timer ticks and its next tick is near, just after that
    // tick: making and showing the report takes some milliseconds of the window's thread, and
    // no lamp may wait for them.
    static void openClearOfTick(bool ticking, qint64 toNextTickMs, QObject *context,
                                const std::function<void()> &open);

    // Shows the current meeting the first time, then brings the window to the front.
    void showAndRaise();

    // The folder its file dialogs open in first, when it is still there.
    void setLastFolder(const QString &folder);
    // The title and timer's name typed last, for a meeting that has none of its own yet.
    void setRememberedDetails(const QString &title, const QString &timerName);
    // Shows the meeting just begun and says so.
    void showNewMeeting();
    // The planned speech marked as the next to speak; 0 for none.
    void showNext(qint64 plannedId);
    // The speech being timed, counting; an invalid run when none is.
    void showRunning(const SpeechRecord &run, qint64 plannedId, int elapsedSeconds);
    // A speech just recorded for the planned speaker of that name: how to say it was another's.
    void showRecordedForPlan(const QString &speakerName);

    // What the window last said about a file or the clipboard.
    QString statusText() const;

    // The window's commands, each with its text, shortcut and whether it can be done now; its
    // buttons and keys trigger them.
    QAction *copyAction() const { return m_copyAction; }
    QAction *deleteAction() const { return m_deleteAction; }
    QAction *undoAction() const { return m_undoAction; }
    QAction *exportCsvAction() const { return m_exportCsvAction; }
    QAction *savePdfAction() const { return m_savePdfAction; }
    QAction *printAction() const { return m_printAction; }
    QAction *printPreviewAction() const { return m_printPreviewAction; }
    QAction *addSpeakerAction() const { return m_addSpeakerAction; }
    QAction *importPlanAction() const { return m_importPlanAction; }
    QAction *savePlanAction() const { return m_savePlanAction; }
    QAction *pastePlanAction() const { return m_pastePlanAction; }
    QAction *speaksNextAction() const { return m_speaksNextAction; }
    QAction *notPlannedAction() const { return m_notPlannedAction; }
    QAction *moveUpAction() const { return m_moveUpAction; }
    QAction *moveDownAction() const { return m_moveDownAction; }
    QAction *changeSpeechAction() const { return m_changeSpeechAction; }
    QAction *addByHandAction() const { return m_addByHandAction; }
    QAction *arrangeAction() const { return m_arrangeAction; }
    MeetingEditor *editor() const { return m_editor; }

    // Handlers; the commands call them.
    void commandCopy_Click();
    void commandExportCsv_Click();
    void commandSavePdf_Click();
    void commandPrint_Click();
    void commandPrintPreview_Click();
    void keyDeleteSpeech_Triggered();
    void keyUndoDelete_Triggered();
    void commandSpeaksNext_Click();

    // The file writers behind the dialogs.
    bool exportCsv(const QString &path);
    bool savePdf(const QString &path);

signals:
    // A file was chosen in this folder, to be suggested again next time.
    void folderUsed(const QString &folder);
    // A title or timer's name was typed, to be offered for the next meeting.
    void detailsUsed(const QString &title, const QString &timerName);
    // The operator chose this planned speech to speak next.
    void plannedChosen(qint64 plannedId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void refreshMeetings();
    static QString meetingCounts(const Meeting &meeting);
    static QString plannedHeading();
    void meetingChosen(int index);
    void detailsEdited();
    void speechesChanged();
    void followTable();
    void sizePicture();
    void fitColumns();
    bool pickerKey(const QKeyEvent *key);
    QAction *addCommand(const QString &text, const QKeySequence &key, QWidget *scope,
                        void (ReportWindow::*handler)());
    void updateCommands();
    void say(const QString &text, bool problem = false);
    void placeBesideTimer(QWidget *window, const QSize &least, bool sideBySide = false) const;
    QSize leastSize() const;
    int widthForColumns() const;
    void arrangeSideBySide();
    QMenuBar *windowMenu();
    void openClearOfLight(QDialog *dialog) const;
    void passTimerKeys(const QList<QAbstractButton *> &buttons);
    QLayout *planButtons();

    MeetingStore *m_store = nullptr;
    QPointer<QWidget> m_timerLight;
    ReportModel *m_model = nullptr;
    ReportFiles *m_files = nullptr;
    MeetingEditor *m_editor = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_exportCsvAction = nullptr;
    QAction *m_savePdfAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_printPreviewAction = nullptr;
    QAction *m_addSpeakerAction = nullptr;
    QAction *m_importPlanAction = nullptr;
    QAction *m_savePlanAction = nullptr;
    QAction *m_pastePlanAction = nullptr;
    QAction *m_speaksNextAction = nullptr;
    QAction *m_notPlannedAction = nullptr;
    QAction *m_moveUpAction = nullptr;
    QAction *m_moveDownAction = nullptr;
    QAction *m_changeSpeechAction = nullptr;
    QAction *m_addByHandAction = nullptr;
    QAction *m_arrangeAction = nullptr;
    QComboBox *m_meetings = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_timerName = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QCheckBox *m_showRehearsals = nullptr;
    TimingChart *m_chart = nullptr;
    QScrollArea *m_chartScroll = nullptr;
    QSplitter *m_splitter = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_status = nullptr;
    QList<Meeting> m_meetingList;
    Meeting m_shown; // the meeting in the window, its details as shown
    QString m_rememberedTitle;
    QString m_rememberedTimerName;
    bool m_placed = false;
    bool m_pictureSized = false;
};
