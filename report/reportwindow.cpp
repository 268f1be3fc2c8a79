// SPDX-License-Identifier: MIT
#include "report/reportwindow.h"

#include "components/besidetimer.h"
#include "record/meetingstore.h"
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
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

const QString MeetingDateFormat = QStringLiteral("ddd d MMM yyyy, HH:mm");
// Bars shown before the picture scrolls; the splitter gives it more on request.
constexpr int PictureRowsShown = 8;
constexpr QSize StartSize(940, 620);
// Opening the report takes some milliseconds: during a speech it waits while a tick is this
// near, and opens this long after it.
constexpr int OpeningMs = 100;

QString meetingName(const Meeting &meeting)
{
    return QLocale().toString(meeting.startedAt, MeetingDateFormat);
}

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
    m_meetings->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *meetingLabel = new QLabel(tr("&Meeting:"), this);
    meetingLabel->setBuddy(m_meetings);
    m_showRehearsals = new QCheckBox(tr("Show &rehearsals"), this);
    m_showRehearsals->setObjectName(QStringLiteral("checkShowRehearsals"));
    auto *top = new QHBoxLayout;
    top->addWidget(meetingLabel);
    top->addWidget(m_meetings);
    top->addSpacing(fontMetrics().height());
    top->addWidget(m_showRehearsals);
    top->addStretch();

    m_chart = new TimingChart(this);
    m_chartScroll = new QScrollArea(this);
    m_chartScroll->setWidget(m_chart);
    m_chartScroll->setWidgetResizable(true);
    m_chartScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_chartScroll->setMinimumHeight(TimingChart::heightFor(fontMetrics(), 1));
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tableSpeeches"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(SpeechLabels::Speaker, QHeaderView::Stretch);
    m_table->installEventFilter(this);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->addWidget(m_chartScroll);
    m_splitter->addWidget(m_table);
    m_splitter->setChildrenCollapsible(false);

    m_copyAction =
        addCommand(tr("&Copy"), QKeySequence::Copy, this, &ReportWindow::commandCopy_Click);
    m_deleteAction = addCommand(tr("Delete Speech"), QKeySequence::Delete, m_table,
                                &ReportWindow::keyDeleteSpeech_Triggered);
    m_undoAction = addCommand(tr("Undo Delete"), QKeySequence::Undo, this,
                              &ReportWindow::keyUndoDelete_Triggered);
    m_exportCsvAction =
        addCommand(tr("&Export CSV..."), {}, this, &ReportWindow::commandExportCsv_Click);
    m_savePdfAction =
        addCommand(tr("Save as P&DF..."), {}, this, &ReportWindow::commandSavePdf_Click);
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
    buttons->addWidget(button(m_printAction, "commandPrint", tr("Prints the report")));
    buttons->addStretch();

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("labelStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_status);

    connect(m_meetings, qOverload<int>(&QComboBox::activated), this, &ReportWindow::meetingChosen);
    connect(m_showRehearsals, &QCheckBox::toggled, m_model, &ReportModel::setShowRehearsals);
    connect(m_model, &ReportModel::speechesChanged, this, &ReportWindow::speechesChanged);
    connect(m_model, &ReportModel::nameNotSaved, this,
            [this](const QString &why) { say(tr("Could not save the name: %1").arg(why), true); });
    connect(m_store, &MeetingStore::changed, this, &ReportWindow::meetingChanged);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ReportWindow::updateCommands);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ReportWindow::updateCommands);
    connect(m_files, &ReportFiles::folderUsed, this, &ReportWindow::folderUsed);
    connect(m_files, &ReportFiles::said, this, &ReportWindow::say);
    meetingChosen(-1);
    passTimerKeys(timerButtons);
    updateCommands();
    resize(StartSize);
}

ReportWindow::~ReportWindow() = default;

// A command's key works anywhere in the window, or, for a command of the table, only while the
// table has the keys: a name's editor keeps its own Delete.
QAction *ReportWindow::addCommand(const QString &text, const QKeySequence &key, QWidget *scope,
                                  void (ReportWindow::*handler)())
{
    auto *action = new QAction(text, scope);
    action->setShortcut(key);
    action->setShortcutContext(scope == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, handler);
    scope->addAction(action);
    return action;
}

// Delete needs a current row, Undo a speech deleted. The store tells of a deletion before it can
// bring it back, so the handlers call this once they are done.
void ReportWindow::updateCommands()
{
    m_deleteAction->setEnabled(m_table->currentIndex().isValid());
    m_undoAction->setEnabled(m_store->canRestoreDeleted());
}

void ReportWindow::setLastFolder(const QString &folder)
{
    m_files->setLastFolder(folder);
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
        placeBesideTimer(this);
        m_placed = true;
        // The speeches take the keys first: typing names the speaker of the row.
        m_table->setFocus(Qt::OtherFocusReason);
    }
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

// The report and its dialogs alike; the frame is taken to be as wide as the timer's.
void ReportWindow::placeBesideTimer(QWidget *window) const
{
    const QWidget *timer = m_timerLight ? m_timerLight->window() : nullptr;
    if (!timer)
        return;
    const int lightBottom = m_timerLight->mapToGlobal(QPoint(0, m_timerLight->height())).y();
    const QRect placed = BesideTimer::place(
        timer->screen()->availableGeometry(), timer->frameGeometry(), timer->geometry(),
        lightBottom, window->size(), window->minimumSizeHint().expandedTo(window->minimumSize()));
    window->resize(placed.size().shrunkBy(
        BesideTimer::frameMargins(timer->frameGeometry(), timer->geometry())));
    window->move(placed.topLeft());
}

QString ReportWindow::statusText() const
{
    return m_status->text();
}

// ---- The meeting shown -------------------------------------------------------------------

void ReportWindow::meetingChanged(qint64 meetingId)
{
    m_counts.remove(meetingId);
    refreshMeetings();
}

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
    for (int i = 0; i < m_meetingList.size(); ++i) {
        const Meeting &meeting = m_meetingList.at(i);
        m_meetings->addItem(tr("%1 (%2)").arg(meetingName(meeting), meetingCounts(meeting)));
        if (!followNewest && meeting.id == shown)
            chosen = i;
    }
    m_meetings->setCurrentIndex(chosen);
    meetingChosen(chosen);
}

// The speeches counted as the table shows them, rehearsals apart.
QString ReportWindow::meetingCounts(const Meeting &meeting)
{
    auto counts = m_counts.constFind(meeting.id);
    if (counts == m_counts.cend()) {
        Counts counted;
        for (const SpeechRecord &speech : m_store->speeches(meeting.id))
            ++(ReportModel::isRehearsal(speech) ? counted.rehearsals : counted.speeches);
        counts = m_counts.insert(meeting.id, counted);
    }
    QString text = counts->speeches == 1 ? tr("1 speech") : tr("%1 speeches").arg(counts->speeches);
    if (counts->rehearsals == 1)
        text += tr(", 1 rehearsal");
    else if (counts->rehearsals > 1)
        text += tr(", %1 rehearsals").arg(counts->rehearsals);
    return text;
}

void ReportWindow::meetingChosen(int index)
{
    const qint64 id = index >= 0 && index < m_meetingList.size() ? m_meetingList.at(index).id : 0;
    if (id != m_model->meetingId())
        m_model->setMeeting(id);
    if (index < 0) {
        setWindowTitle(tr("Timer's Report"));
        m_files->setMeeting(windowTitle(), {});
        return;
    }
    const Meeting &meeting = m_meetingList.at(index);
    setWindowTitle(tr("Timer's Report - %1").arg(meetingName(meeting)));
    m_files->setMeeting(tr("Timer's Report: meeting of %1").arg(meetingName(meeting)),
                        meeting.startedAt.date());
}

void ReportWindow::speechesChanged()
{
    m_chart->setSpeeches(m_model->shownSpeeches());
    m_chartScroll->setMaximumHeight(m_chart->sizeHint().height() + 2 * m_chartScroll->frameWidth());
    if (m_pictureSized)
        sizePicture();
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
    QGuiApplication::clipboard()->setText(ReportText::readAloud(m_model->shownSpeeches()));
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

bool ReportWindow::exportCsv(const QString &path)
{
    return m_files->exportCsv(path);
}

bool ReportWindow::savePdf(const QString &path)
{
    return m_files->savePdf(path);
}

// A dialog left where Qt puts it, over the report, may cover the timer's light and STOP.
void ReportWindow::openClearOfLight(QDialog *dialog) const
{
    dialog->adjustSize();
    placeBesideTimer(dialog);
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
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    const QString when = m_model->index(current.row(), SpeechLabels::Time).data().toString();
    if (m_model->removeRow(current.row()))
        say(tr("Deleted the speech started at %1; Ctrl+Z brings it back.").arg(when));
    else
        say(tr("Could not delete the speech: %1").arg(m_store->lastError()), true);
    updateCommands();
}

void ReportWindow::keyUndoDelete_Triggered()
{
    if (!m_store->canRestoreDeleted())
        return;
    if (m_model->restoreLastDeleted())
        say(tr("The speech deleted last is back."));
    else
        say(tr("Could not bring the speech back: %1").arg(m_store->lastError()), true);
    updateCommands();
}

// Enter starts typing a name, as F2 does, and so does any letter typed on the row; while a
// name is typed, the keys go to its editor.
bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_table || event->type() != QEvent::KeyPress || !m_table->hasFocus() ||
        !m_table->currentIndex().isValid())
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QModelIndex name = m_table->currentIndex().siblingAtColumn(SpeechLabels::Speaker);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
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
