// SPDX-License-Identifier: MIT
#include "report/reportwindow.h"

#include "components/besidetimer.h"
#include "record/meetingstore.h"
#include "report/meetingeditor.h"
#include "report/reportfiles.h"
#include "report/reportmodel.h"
#include "report/reporttext.h"
#include "report/speechlabels.h"
#include "report/timingchart.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>

namespace {

// Bars shown before the picture scrolls; the splitter gives it more on request.
constexpr int PictureRowsShown = 8;
constexpr QSize StartSize(940, 620);
// Smaller than this the report is no use: it then opens where the window manager puts it.
constexpr QSize UsableSize(480, 360);
// The print dialog asks for less than its labels need.
constexpr QSize UsableDialogSize(480, 320);
// Opening the report takes some milliseconds: during a speech it waits while a tick is this
// near, and opens this long after it.
constexpr int OpeningMs = 100;
// The meeting picker's PgUp and PgDn move this many meetings.
constexpr int PickerPage = 10;
constexpr int PickerLetters = 22;
// The rows a column's width is measured on besides those in view: a meeting's speeches and the
// next planned ones, not a plan of hundreds measured whole at every change.
constexpr int FitColumnRows = 40;

// An empty speaker's cell says what typing in it does.
class NameHint : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!option->text.isEmpty())
            return;
        option->text = ReportWindow::tr("type a name");
        option->palette.setColor(QPalette::Text, option->palette.color(QPalette::PlaceholderText));
        option->palette.setColor(QPalette::HighlightedText,
                                 option->palette.color(QPalette::PlaceholderText));
    }
};

} // namespace

ReportWindow::ReportWindow(MeetingStore *store, QWidget *timerLight,
                           const QList<QAbstractButton *> &timerButtons)
    : QWidget(nullptr, Qt::Window), m_store(store), m_timerLight(timerLight)
{
    setObjectName(QStringLiteral("ReportWindow"));
    // Closing the timer quits the program, the report open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_model = new ReportModel(store, this);
    m_files = new ReportFiles(m_model, this, [this](QDialog *dialog) { openClearOfLight(dialog); });

    m_meetings = new QComboBox(this);
    m_meetings->setObjectName(QStringLiteral("comboMeeting"));
    // Not sized to its longest meeting: measuring a thousand of them delays Ctrl+T, and the
    // report fits narrower rooms beside the timer.
    m_meetings->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_meetings->setMinimumContentsLength(PickerLetters);
    m_meetings->installEventFilter(this);
    auto *meetingLabel = new QLabel(tr("&Meeting:"), this);
    meetingLabel->setBuddy(m_meetings);
    m_showRehearsals = new QCheckBox(tr("Show &rehearsals"), this);
    m_showRehearsals->setObjectName(QStringLiteral("checkShowRehearsals"));
    // The picker has its row to itself, so a narrow window still shows each meeting's counts.
    auto *top = new QHBoxLayout;
    top->addWidget(meetingLabel);
    top->addWidget(m_meetings, 1);

    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("editTitle"));
    m_title->setPlaceholderText(tr("the club's or the meeting's name"));
    m_title->setMaxLength(MeetingStore::SpeakerNameMaxLength);
    auto *titleLabel = new QLabel(tr("Tit&le:"), this);
    titleLabel->setBuddy(m_title);
    m_timerName = new QLineEdit(this);
    m_timerName->setObjectName(QStringLiteral("editTimerName"));
    m_timerName->setPlaceholderText(tr("who timed the meeting"));
    m_timerName->setMaxLength(MeetingStore::SpeakerNameMaxLength);
    auto *timerLabel = new QLabel(tr("Timer's &name:"), this);
    timerLabel->setBuddy(m_timerName);
    auto *details = new QHBoxLayout;
    details->addWidget(titleLabel);
    details->addWidget(m_title, 3);
    details->addSpacing(fontMetrics().height());
    details->addWidget(timerLabel);
    details->addWidget(m_timerName, 2);
    details->addSpacing(fontMetrics().height());
    details->addWidget(m_showRehearsals);

    m_chart = new TimingChart(this);
    m_chartScroll = new QScrollArea(this);
    m_chartScroll->setWidget(m_chart);
    m_chartScroll->setWidgetResizable(true);
    m_chartScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_chartScroll->setMinimumHeight(TimingChart::heightFor(fontMetrics(), 1));
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(ReportModel::SortRole);
    m_sorted->setSortLocaleAware(true);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tableSpeeches"));
    m_table->setModel(m_sorted);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->setWordWrap(false);
    // A row at a time, so that the picture can scroll to the bar of the table's first row.
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_table->setItemDelegateForColumn(SpeechLabels::Speaker, new NameHint(m_table));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->horizontalHeader()->setResizeContentsPrecision(FitColumnRows);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(SpeechLabels::Time, Qt::AscendingOrder);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->installEventFilter(this);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->addWidget(m_chartScroll);
    m_splitter->addWidget(m_table);
    m_splitter->setChildrenCollapsible(false);
    // A planned row is dragged to its new place; the model moves it through the editor.
    m_table->setDragDropMode(QAbstractItemView::DragDrop);
    m_table->setDefaultDropAction(Qt::MoveAction);
    m_table->setDropIndicatorShown(true);
    m_editor = new MeetingEditor(
        store, m_model, m_table, [this](QDialog *dialog) { openClearOfLight(dialog); }, this);

    m_copyAction =
        addCommand(tr("&Copy"), QKeySequence::Copy, this, &ReportWindow::commandCopy_Click);
    m_deleteAction = addCommand(tr("&Delete Speech"), QKeySequence::Delete, m_table,
                                &ReportWindow::keyDeleteSpeech_Triggered);
    m_undoAction =
        addCommand(tr("&Undo"), QKeySequence::Undo, this, &ReportWindow::keyUndoDelete_Triggered);
    const auto plan = [this](const QString &text, const QKeySequence &key, QWidget *scope,
                             const std::function<void()> &step) {
        QAction *action = addCommand(text, key, scope, nullptr);
        connect(action, &QAction::triggered, this, [this, step] {
            step();
            updateCommands();
        });
        return action;
    };
    m_pastePlanAction = plan(tr("Paste &into the Plan"), QKeySequence::Paste, m_table,
                             [this] { m_editor->paste(QGuiApplication::clipboard()->text()); });
    m_speaksNextAction = addCommand(tr("Speaks Ne&xt"), QKeySequence(Qt::CTRL | Qt::Key_Return),
                                    m_table, &ReportWindow::commandSpeaksNext_Click);
    m_notPlannedAction = plan(tr("Not the Planned Spea&ker"), QKeySequence(Qt::CTRL | Qt::Key_U),
                              m_table, [this] { m_editor->markNotPlanned(); });
    m_moveUpAction = plan(tr("Move U&p"), QKeySequence(Qt::ALT | Qt::Key_Up), m_table,
                          [this] { m_editor->moveCurrent(-1); });
    m_moveDownAction = plan(tr("Move Dow&n"), QKeySequence(Qt::ALT | Qt::Key_Down), m_table,
                            [this] { m_editor->moveCurrent(1); });
    m_changeSpeechAction = plan(tr("Chan&ge..."), {}, this, [this] { m_editor->changeCurrent(); });
    m_addByHandAction =
        plan(tr("Add Speech by &Hand..."), {}, this, [this] { m_editor->addByHand(); });
    m_addSpeakerAction = plan(tr("&Add Speaker..."), {}, this, [this] { m_editor->addSpeaker(); });
    m_importPlanAction = plan(tr("Imp&ort Plan..."), {}, this, [this] {
        m_files->askToImportPlan([this](const QString &path) { m_editor->importFile(path); });
    });
    m_savePlanAction = plan(tr("Save Plan to a &File..."), {}, this, [this] {
        m_files->askToSavePlan([this](const QString &path) { return m_editor->saveFile(path); });
    });
    // The table's context menu offers its commands, their keys shown.
    m_table->addActions({m_undoAction, m_changeSpeechAction, m_addByHandAction});
    for (QAction *action : m_table->actions())
        action->setShortcutVisibleInContextMenu(true);
    m_exportCsvAction =
        addCommand(tr("&Export CSV..."), {}, this, &ReportWindow::commandExportCsv_Click);
    m_savePdfAction =
        addCommand(tr("Save as P&DF..."), {}, this, &ReportWindow::commandSavePdf_Click);
    m_printPreviewAction =
        addCommand(tr("Print Pre&view..."), {}, this, &ReportWindow::commandPrintPreview_Click);
    m_printAction = addCommand(tr("Pr&int..."), {}, this, &ReportWindow::commandPrint_Click);

    const auto button = [this](QAction *action, const char *name, const QString &description) {
        auto *b = new QPushButton(action->text(), this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleDescription(description);
        b->setAutoDefault(false);
        b->setEnabled(action->isEnabled());
        connect(b, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, b, &QWidget::setEnabled);
        return b;
    };
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(
        button(m_copyAction, "commandCopy", tr("Copies the report as text to the clipboard")));
    buttons->addWidget(button(m_exportCsvAction, "commandExportCsv",
                              tr("Saves the report's table as a CSV file")));
    buttons->addWidget(
        button(m_savePdfAction, "commandSavePdf", tr("Saves the report as a PDF file")));
    buttons->addWidget(button(m_printPreviewAction, "commandPrintPreview",
                              tr("Shows the printed pages before they are printed")));
    buttons->addWidget(button(m_printAction, "commandPrint", tr("Prints the report")));
    buttons->addStretch();

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("labelStatus"));
    m_status->setWordWrap(true);
    // It shows speakers' names and file names, which a plan file or a hand may give any text.
    m_status->setTextFormat(Qt::PlainText);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(windowMenu());
    layout->addLayout(top);
    layout->addLayout(details);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(planButtons());
    layout->addLayout(buttons);
    layout->addWidget(m_status);

    connect(m_meetings, qOverload<int>(&QComboBox::activated), this, &ReportWindow::meetingChosen);
    connect(m_showRehearsals, &QCheckBox::toggled, m_model, &ReportModel::setShowRehearsals);
    connect(m_title, &QLineEdit::editingFinished, this, &ReportWindow::detailsEdited);
    connect(m_timerName, &QLineEdit::editingFinished, this, &ReportWindow::detailsEdited);
    // Enter keeps what was typed and goes back to the speeches, where the keys usually are.
    for (QLineEdit *edit : {m_title, m_timerName})
        connect(edit, &QLineEdit::returnPressed, m_table, [this] { m_table->setFocus(); });
    connect(m_model, &ReportModel::speechesChanged, this, &ReportWindow::speechesChanged);
    connect(m_model, &ReportModel::nameNotSaved, this,
            [this](const QString &why) { say(tr("Could not save the name: %1").arg(why), true); });
    connect(m_store, &MeetingStore::changed, this, &ReportWindow::refreshMeetings);
    connect(m_store, &MeetingStore::changedElsewhere, this, &ReportWindow::refreshMeetings);
    connect(m_store, &MeetingStore::plannedSpokenElsewhere, this, [this](const QString &name) {
        say(tr("Recorded without the plan: another copy of the program recorded %1's planned "
               "speech first.")
                .arg(name),
            true);
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ReportWindow::followTable);
    connect(m_sorted, &QAbstractItemModel::layoutChanged, this, &ReportWindow::speechesChanged);
    connect(m_sorted, &QAbstractItemModel::modelReset, this, &ReportWindow::updateCommands);
    connect(m_table->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int firstRow) {
        m_chartScroll->verticalScrollBar()->setValue(
            TimingChart::rowTop(m_chart->fontMetrics(), firstRow) -
            TimingChart::rowTop(m_chart->fontMetrics(), 0));
    });
    connect(m_files, &ReportFiles::folderUsed, this, &ReportWindow::folderUsed);
    connect(m_files, &ReportFiles::said, this, &ReportWindow::say);
    connect(m_editor, &MeetingEditor::said, this, &ReportWindow::say);
    connect(m_editor->undoStack(), &QUndoStack::indexChanged, this, &ReportWindow::updateCommands);
    connect(m_model, &ReportModel::moveAsked, m_editor, &MeetingEditor::move);
    connect(m_editor, &MeetingEditor::speaksNext, this, &ReportWindow::plannedChosen);
    meetingChosen(-1);
    passTimerKeys(timerButtons);
    updateCommands();
    resize(StartSize);
}

ReportWindow::~ReportWindow()
{
    // The stack tells of its clearing as it goes, when the commands are gone.
    m_editor->undoStack()->disconnect(this);
}

// A command's key works anywhere in the window, or, for a command of the table, only while the
// table has the keys: a name's editor keeps its own Delete.
QAction *ReportWindow::addCommand(const QString &text, const QKeySequence &key, QWidget *scope,
                                  void (ReportWindow::*handler)())
{
    auto *action = new QAction(text, scope);
    action->setShortcut(key);
    action->setShortcutContext(scope == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    scope->addAction(action);
    return action;
}

// Delete and the changes need a current row, Undo a step done; the plan's order, a planned row
// still to speak. The store tells of a change before it is undoable, so the handlers call this
// once they are done.
void ReportWindow::updateCommands()
{
    const bool current = m_table->currentIndex().isValid();
    const bool planned = m_editor->currentPlanned() != 0;
    m_deleteAction->setEnabled(current);
    m_changeSpeechAction->setEnabled(current);
    for (QAction *action : {m_speaksNextAction, m_moveUpAction, m_moveDownAction})
        action->setEnabled(planned);
    m_undoAction->setEnabled(m_editor->undoStack()->canUndo());
    m_notPlannedAction->setEnabled(m_editor->notPlannedSpeech() != 0);
}

// The plan's commands in the agenda's menu, the changes by hand as buttons, under the table:
// narrow enough for the window to fit beside the timer.
QLayout *ReportWindow::planButtons()
{
    auto *agenda = new QPushButton(tr("&Agenda"), this);
    agenda->setObjectName(QStringLiteral("commandAgenda"));
    agenda->setAutoDefault(false);
    auto *menu = new QMenu(agenda);
    menu->addActions({m_addSpeakerAction, m_importPlanAction, m_savePlanAction});
    menu->addSeparator();
    menu->addActions({m_pastePlanAction, m_speaksNextAction, m_notPlannedAction, m_moveUpAction,
                      m_moveDownAction});
    agenda->setMenu(menu);
    auto *row = new QHBoxLayout;
    row->addWidget(agenda);
    const QList<std::pair<QAction *, const char *>> buttons{
        {m_changeSpeechAction, "commandChange"}, {m_addByHandAction, "commandAddByHand"}};
    for (const auto &[action, name] : buttons) {
        auto *b = new QPushButton(action->text(), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setEnabled(action->isEnabled());
        connect(b, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, b, &QWidget::setEnabled);
        row->addWidget(b);
    }
    row->addStretch();
    return row;
}

void ReportWindow::showNext(qint64 plannedId)
{
    m_model->setNextPlanned(plannedId);
}

void ReportWindow::showRunning(const SpeechRecord &run, qint64 plannedId, int elapsedSeconds)
{
    m_model->setRunning(run, plannedId, elapsedSeconds);
}

void ReportWindow::showRecordedForPlan(const QString &speakerName)
{
    say(tr("Recorded as %1's speech. Someone else spoke? %2 (%3) sets it right.")
            .arg(speakerName, m_notPlannedAction->text().remove(u'&'),
                 m_notPlannedAction->shortcut().toString(QKeySequence::NativeText)));
}

void ReportWindow::commandSpeaksNext_Click()
{
    if (const qint64 planned = m_editor->currentPlanned())
        emit plannedChosen(planned);
}

void ReportWindow::setLastFolder(const QString &folder)
{
    m_files->setLastFolder(folder);
}

void ReportWindow::setRememberedDetails(const QString &title, const QString &timerName)
{
    m_rememberedTitle = title;
    m_rememberedTimerName = timerName;
    if (m_meetings->count() > 0)
        meetingChosen(m_meetings->currentIndex());
}

void ReportWindow::showNewMeeting()
{
    refreshMeetings();
    m_meetings->setCurrentIndex(m_meetings->count() - 1);
    meetingChosen(m_meetings->currentIndex());
    say(tr("A new meeting has begun: the next speech timed is its first."));
}

void ReportWindow::openClearOfTick(bool ticking, qint64 toNextTickMs, QObject *context,
                                   const std::function<void()> &open)
{
    if (ticking && toNextTickMs < OpeningMs)
        QTimer::singleShot(int(toNextTickMs) + OpeningMs, context, open);
    else
        open();
}

// The timer's START and STOP keys work here too; the report's own access keys use none of the
// timer's letters, so neither window's keys shadow the other's.
void ReportWindow::passTimerKeys(const QList<QAbstractButton *> &buttons)
{
    for (QAbstractButton *button : buttons) {
        auto *action = new QAction(this);
        action->setShortcut(QKeySequence::mnemonic(button->text()));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
        addAction(action);
    }
}

void ReportWindow::showAndRaise()
{
    if (!m_placed) {
        refreshMeetings();
        ensurePolished();
        resize(size().expandedTo({widthForColumns(), 0}));
        placeBesideTimer(this, leastSize());
        m_placed = true;
        // The speeches take the keys first: typing names the speaker of the row.
        m_table->setFocus(Qt::OtherFocusReason);
    }
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

// The report and its dialogs alike; the frame is taken to be as wide as the timer's. Where no
// room beside the timer holds the window whole, the timer moves to the screen's left edge if
// that shows more of it.
void ReportWindow::placeBesideTimer(QWidget *window, const QSize &least, bool sideBySide) const
{
    if (QWidget *timer = m_timerLight ? m_timerLight->window() : nullptr)
        BesideTimer::openBeside(timer, window, least, sideBySide);
}

QSize ReportWindow::leastSize() const
{
    return minimumSizeHint().expandedTo(minimumSize()).expandedTo(UsableSize);
}

// Every column at its contents' width, beside the table's scroll bar.
int ReportWindow::widthForColumns() const
{
    const QAbstractItemView *view = m_table;
    const QHeaderView *header = m_table->horizontalHeader();
    int width = 2 * m_table->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                layout()->contentsMargins().left() + layout()->contentsMargins().right();
    if (!m_table->verticalHeader()->isHidden())
        width += m_table->verticalHeader()->sizeHint().width();
    for (int c = 0; c < SpeechLabels::ColumnCount; ++c)
        width += std::max(view->sizeHintForColumn(c), header->sectionSizeHint(c));
    return width;
}

// The timer at the screen's left edge and the window beside it, wide enough for its columns
// where the screen allows.
void ReportWindow::arrangeSideBySide()
{
    resize(size().expandedTo({widthForColumns(), StartSize.height()}));
    placeBesideTimer(this, leastSize(), true);
}

QMenuBar *ReportWindow::windowMenu()
{
    auto *bar = new QMenuBar(this);
    QMenu *menu = bar->addMenu(tr("&Window"));
    m_arrangeAction = menu->addAction(tr("&Arrange Side by Side"));
    m_arrangeAction->setObjectName(QStringLiteral("commandArrangeSideBySide"));
    connect(m_arrangeAction, &QAction::triggered, this, &ReportWindow::arrangeSideBySide);
    return bar;
}

QString ReportWindow::statusText() const
{
    return m_status->text();
}

// ---- The meeting shown -------------------------------------------------------------------

// The list follows the store; a window showing the newest meeting goes on to the next one
// when it begins.
void ReportWindow::refreshMeetings()
{
    const qint64 shown = m_model->meetingId();
    const bool followNewest = shown == 0 || m_meetings->currentIndex() == m_meetings->count() - 1;
    m_meetingList = m_store->meetings();
    const QSignalBlocker blocker(m_meetings);
    m_meetings->clear();
    int chosen = int(m_meetingList.size()) - 1;
    QStringList items;
    items.reserve(m_meetingList.size());
    for (int i = 0; i < m_meetingList.size(); ++i) {
        const Meeting &meeting = m_meetingList.at(i);
        // The title last: where the picker is narrow, it is cut rather than the counts.
        const QString counted =
            tr("%1 (%2)").arg(ReportText::meetingWhen(meeting), meetingCounts(meeting));
        items << (meeting.title.isEmpty() ? counted : tr("%1, %2").arg(counted, meeting.title));
        if (!followNewest && meeting.id == shown)
            chosen = i;
    }
    // A plan made before the meeting it is for has begun is shown under its own heading.
    if (m_store->currentMeetingId() == 0 && !m_store->plan().isEmpty()) {
        m_meetingList.append(Meeting());
        items << plannedHeading();
        chosen = followNewest ? int(items.size()) - 1 : chosen;
    }
    m_meetings->addItems(items);
    m_meetings->setCurrentIndex(chosen);
    meetingChosen(chosen);
}

QString ReportWindow::plannedHeading()
{
    return tr("planned for the next meeting");
}

// The speeches counted as the table shows them, rehearsals apart, mistaken starts not at all.
QString ReportWindow::meetingCounts(const Meeting &meeting)
{
    const int rehearsals = meeting.rehearsalCount;
    const int speeches = meeting.speechCount - rehearsals - meeting.mistakenStartCount;
    QString text = speeches == 1 ? tr("1 speech") : tr("%1 speeches").arg(speeches);
    if (rehearsals == 1)
        text += tr(", 1 rehearsal");
    else if (rehearsals > 1)
        text += tr(", %1 rehearsals").arg(rehearsals);
    if (meeting.waitingCount > 0)
        text += tr(", %1 not saved yet").arg(meeting.waitingCount);
    return text;
}

void ReportWindow::meetingChosen(int index)
{
    const qint64 id = index >= 0 && index < m_meetingList.size() ? m_meetingList.at(index).id : 0;
    // An empty table may be one never read: the plan waiting for a meeting has no id either.
    if (id != m_model->meetingId() || m_model->rowCount() == 0)
        m_model->setMeeting(id);
    m_shown = index >= 0 && index < m_meetingList.size() ? m_meetingList.at(index) : Meeting();
    // A meeting with no details of its own takes those typed last; the newest keeps them.
    if (!m_shown.hasDetails) {
        m_shown.title = m_rememberedTitle;
        m_shown.timerName = m_rememberedTimerName;
        const bool newest = index >= 0 && index == m_meetingList.size() - 1;
        // Written once the window is idle: this runs at STOP, when a speech joins the meeting.
        if (newest && m_shown.id > 0 && !(m_shown.title.isEmpty() && m_shown.timerName.isEmpty()))
            QTimer::singleShot(0, this, [this, shown = m_shown] {
                m_store->setMeetingDetails(shown.id, shown.title, shown.timerName);
            });
    }
    if (!m_title->hasFocus())
        m_title->setText(m_shown.title);
    if (!m_timerName->hasFocus())
        m_timerName->setText(m_shown.timerName);
    m_files->setMeeting(m_shown);
    const QString when = m_shown.id == 0 ? plannedHeading() : ReportText::meetingWhen(m_shown);
    setWindowTitle(index < 0 ? tr("Timer's Report") : tr("Timer's Report - %1").arg(when));
}

void ReportWindow::detailsEdited()
{
    const QString title = MeetingStore::cleanSpeakerName(m_title->text());
    const QString timerName = MeetingStore::cleanSpeakerName(m_timerName->text());
    if (title == m_shown.title && timerName == m_shown.timerName)
        return;
    m_shown.title = title;
    m_shown.timerName = timerName;
    m_files->setMeeting(m_shown);
    m_rememberedTitle = title;
    m_rememberedTimerName = timerName;
    emit detailsUsed(title, timerName);
    if (m_shown.id > 0 && !m_store->setMeetingDetails(m_shown.id, title, timerName))
        say(tr("Could not save the meeting's details: %1").arg(m_store->lastError()), true);
}

// The picture lists the speeches in the table's order, so that a row and its bar go together.
void ReportWindow::speechesChanged()
{
    QList<SpeechRecord> inOrder;
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        const int source = m_sorted->mapToSource(m_sorted->index(row, 0)).row();
        if (source < 0 || source >= m_model->rowCount())
            continue;
        inOrder << m_model->rowSpeech(source);
        // The speech being timed has no end yet, as a planned one has none.
        if (m_model->isRunningRow(source))
            inOrder.last().startedAt = QDateTime();
    }
    m_chart->setSpeeches(inOrder);
    m_chartScroll->setMaximumHeight(m_chart->sizeHint().height() + 2 * m_chartScroll->frameWidth());
    if (m_pictureSized)
        sizePicture();
    fitColumns();
    followTable();
}

// The current row's bar is highlighted and in sight.
void ReportWindow::followTable()
{
    const int row = m_table->currentIndex().row();
    m_chart->setHighlighted(row);
    if (row >= 0) {
        const QFontMetrics m = m_chart->fontMetrics();
        const int rowH = TimingChart::rowTop(m, 1) - TimingChart::rowTop(m, 0);
        m_chartScroll->ensureVisible(0, TimingChart::rowTop(m, row) + rowH / 2, 0, rowH);
    }
    updateCommands();
}

// Each column as wide as its contents; the speaker's takes whatever room is left over.
void ReportWindow::fitColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    // Public in the base class only.
    const QAbstractItemView *view = m_table;
    int others = 0;
    for (int c = 0; c < SpeechLabels::ColumnCount; ++c) {
        if (c == SpeechLabels::Speaker)
            continue;
        const int width = std::max(view->sizeHintForColumn(c), header->sectionSizeHint(c));
        header->resizeSection(c, width);
        others += width;
    }
    const int speaker = std::max({view->sizeHintForColumn(SpeechLabels::Speaker),
                                  header->sectionSizeHint(SpeechLabels::Speaker),
                                  m_table->viewport()->width() - others});
    header->resizeSection(SpeechLabels::Speaker, speaker);
}

// The picture as tall as its bars, up to a few; beyond, it scrolls. The splitter's height is
// known only once the window's layout is active.
void ReportWindow::sizePicture()
{
    const int frame = 2 * m_chartScroll->frameWidth();
    const int shown = std::min(m_chart->sizeHint().height() + frame,
                               TimingChart::heightFor(fontMetrics(), PictureRowsShown) + frame);
    const int total = m_splitter->height() - m_splitter->handleWidth();
    m_splitter->setSizes({shown, std::max(0, total - shown)});
    m_pictureSized = true;
}

void ReportWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_pictureSized) {
        layout()->activate();
        sizePicture();
    }
}

// ---- Handing it on -----------------------------------------------------------------------

void ReportWindow::commandCopy_Click()
{
    QGuiApplication::clipboard()->setText(ReportText::readAloud(m_shown, m_model->shownSpeeches()));
    say(tr("The report is on the clipboard, ready to read aloud."));
}

void ReportWindow::commandExportCsv_Click()
{
    m_files->askToExportCsv();
}

void ReportWindow::commandSavePdf_Click()
{
    m_files->askToSavePdf();
}

void ReportWindow::commandPrint_Click()
{
    m_files->askToPrint();
}

void ReportWindow::commandPrintPreview_Click()
{
    m_files->showPrintPreview();
}

bool ReportWindow::exportCsv(const QString &path)
{
    return m_files->exportCsv(path);
}

bool ReportWindow::savePdf(const QString &path)
{
    return m_files->savePdf(path);
}

// A dialog left where Qt puts it, over the report, may cover the timer's light and STOP. It is
// shrunk, where the room beside the timer is smaller, no further than its least size.
void ReportWindow::openClearOfLight(QDialog *dialog) const
{
    dialog->ensurePolished();
    const QSize wanted = dialog->size().expandedTo(dialog->sizeHint()).expandedTo(UsableDialogSize);
    dialog->resize(wanted);
    placeBesideTimer(dialog, dialog->minimumSizeHint().expandedTo(UsableDialogSize));
    // The print dialog would shrink itself, as it shows, to a hint too small for its labels.
    dialog->setMinimumSize(dialog->size());
    dialog->open();
}

void ReportWindow::say(const QString &text, bool problem)
{
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::WindowText, problem ? QColor(0xc0, 0x1c, 0x1c)
                                                   : this->palette().color(QPalette::WindowText));
    m_status->setPalette(palette);
    m_status->setText(text);
}

// ---- Editing -----------------------------------------------------------------------------

void ReportWindow::keyDeleteSpeech_Triggered()
{
    m_editor->removeCurrent();
    updateCommands();
}

void ReportWindow::keyUndoDelete_Triggered()
{
    m_editor->undo();
    updateCommands();
}

// Enter starts typing a name, as F2 does, and so does any letter typed on the row; while a
// name is typed, the keys go to its editor.
bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_meetings && event->type() == QEvent::KeyPress &&
        pickerKey(static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == m_table && event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &ReportWindow::fitColumns);
    if (watched != m_table || event->type() != QEvent::KeyPress || !m_table->hasFocus() ||
        !m_table->currentIndex().isValid())
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QModelIndex name = m_table->currentIndex().siblingAtColumn(SpeechLabels::Speaker);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        !(key->modifiers() & Qt::ControlModifier)) {
        m_table->setCurrentIndex(name);
        m_table->edit(name);
        return true;
    }
    const bool typed = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                       !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typed)
        m_table->setCurrentIndex(name);
    return QWidget::eventFilter(watched, event);
}

// Home, End, PgUp and PgDn move through the meetings as in a list.
bool ReportWindow::pickerKey(const QKeyEvent *key)
{
    const int last = m_meetings->count() - 1;
    const int now = m_meetings->currentIndex();
    int to = now;
    switch (key->key()) {
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = last;
        break;
    case Qt::Key_PageUp:
        to = std::max(0, now - PickerPage);
        break;
    case Qt::Key_PageDown:
        to = std::min(last, now + PickerPage);
        break;
    default:
        return false;
    }
    if (last >= 0 && to != now) {
        m_meetings->setCurrentIndex(to);
        meetingChosen(to);
    }
    return true;
}
