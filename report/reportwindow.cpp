// SPDX-License-Identifier: MIT
#include "report/reportwindow.h"

#include "record/meetingstore.h"
#include "report/reportmodel.h"
#include "report/reportpage.h"
#include "report/reporttext.h"
#include "report/speechlabels.h"
#include "report/timingchart.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {

const QString MeetingDateFormat = QStringLiteral("ddd d MMM yyyy, HH:mm");
const QString SuggestedName = QStringLiteral("meeting-%1.%2");
constexpr int PdfResolution = 300;
constexpr qreal PageMarginMm = 15;
// Bars shown before the picture scrolls; the splitter gives it more on request.
constexpr int PictureRowsShown = 8;
constexpr QSize StartSize(940, 620);
constexpr int GapToTimer = 8;
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
    setWindowTitle(tr("Timer's Report"));
    m_model = new ReportModel(store, this);

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

    const auto button = [this](const QString &caption, const char *name,
                               void (ReportWindow::*handler)(), const QString &description) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleDescription(description);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button(tr("&Copy"), "commandCopy", &ReportWindow::commandCopy_Click,
                              tr("Copies the report as text to the clipboard")));
    buttons->addWidget(button(tr("&Export CSV..."), "commandExportCsv",
                              &ReportWindow::commandExportCsv_Click,
                              tr("Saves the report's table as a CSV file")));
    buttons->addWidget(button(tr("Save as P&DF..."), "commandSavePdf",
                              &ReportWindow::commandSavePdf_Click,
                              tr("Saves the report as a PDF file")));
    buttons->addWidget(button(tr("Pr&int..."), "commandPrint", &ReportWindow::commandPrint_Click,
                              tr("Prints the report")));
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

    const auto key = [this](const QKeySequence &sequence, QWidget *scope,
                            void (ReportWindow::*handler)()) {
        auto *action = new QAction(scope);
        action->setShortcut(sequence);
        action->setShortcutContext(scope == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, handler);
        scope->addAction(action);
    };
    key(QKeySequence::Copy, this, &ReportWindow::commandCopy_Click);
    key(QKeySequence::Delete, m_table, &ReportWindow::keyDeleteSpeech_Triggered);
    key(QKeySequence::Undo, this, &ReportWindow::keyUndoDelete_Triggered);

    connect(m_meetings, qOverload<int>(&QComboBox::activated), this, &ReportWindow::meetingChosen);
    connect(m_showRehearsals, &QCheckBox::toggled, m_model, &ReportModel::setShowRehearsals);
    connect(m_model, &ReportModel::speechesChanged, this, &ReportWindow::speechesChanged);
    connect(m_model, &ReportModel::nameNotSaved, this,
            [this](const QString &why) { say(tr("Could not save the name: %1").arg(why), true); });
    connect(m_store, &MeetingStore::changed, this, &ReportWindow::meetingChanged);
    passTimerKeys(timerButtons);
    resize(StartSize);
}

ReportWindow::~ReportWindow() = default;

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

// The window (the report or one of its dialogs) right of the timer, else left, else below, where
// it fits whole; else shrunk into the one of those rooms that shows most of it; else below the
// light, over the timer's rows but never over its light. The frame is taken to be as wide as the
// timer's.
void ReportWindow::placeBesideTimer(QWidget *window) const
{
    const QWidget *timer = m_timerLight ? m_timerLight->window() : nullptr;
    if (!timer)
        return;
    const QRect screen = timer->screen()->availableGeometry();
    const QRect outer = timer->frameGeometry();
    const QRect near = outer.adjusted(-GapToTimer, -GapToTimer, GapToTimer, GapToTimer);
    const QMargins frame(
        timer->geometry().left() - outer.left(), timer->geometry().top() - outer.top(),
        outer.right() - timer->geometry().right(), outer.bottom() - timer->geometry().bottom());
    const QRect rooms[] = {
        QRect(QPoint(near.right() + 1, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(near.left() - 1, screen.bottom())),
        QRect(QPoint(screen.left(), near.bottom() + 1), screen.bottomRight()),
    };
    const int lightBottom = m_timerLight->mapToGlobal(QPoint(0, m_timerLight->height())).y();
    const QRect belowLight(QPoint(screen.left(), lightBottom + GapToTimer), screen.bottomRight());

    const QSize wanted = window->size().grownBy(frame);
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize()).grownBy(frame);
    const auto holds = [](const QSize &size) {
        return [size](const QRect &room) {
            return room.width() >= size.width() && room.height() >= size.height();
        };
    };
    const auto shownArea = [&wanted](const QRect &room) {
        const QSize shown = wanted.boundedTo(room.size());
        return qint64(shown.width()) * shown.height();
    };
    const QRect *room = std::find_if(std::begin(rooms), std::end(rooms), holds(wanted));
    if (room == std::end(rooms)) {
        for (const QRect &r : rooms) {
            if (holds(least)(r) && (room == std::end(rooms) || shownArea(r) > shownArea(*room)))
                room = &r;
        }
    }
    const QRect chosen = room != std::end(rooms) ? *room : belowLight;
    const QSize placed = wanted.boundedTo(chosen.size()).expandedTo(least);
    window->resize(placed.shrunkBy(frame));
    // Level with the timer where the room allows.
    const auto within = [](int wish, int low, int high) {
        return std::max(low, std::min(wish, high));
    };
    window->move(within(outer.left(), chosen.left(), chosen.right() + 1 - placed.width()),
                 within(outer.top(), chosen.top(), chosen.bottom() + 1 - placed.height()));
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
    setWindowTitle(index >= 0 ? tr("Timer's Report - %1").arg(meetingName(m_meetingList.at(index)))
                              : tr("Timer's Report"));
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

QString ReportWindow::meetingHeading() const
{
    const int index = m_meetings->currentIndex();
    return index >= 0
               ? tr("Timer's Report: meeting of %1").arg(meetingName(m_meetingList.at(index)))
               : tr("Timer's Report");
}

// ---- Handing it on -----------------------------------------------------------------------

void ReportWindow::commandCopy_Click()
{
    QGuiApplication::clipboard()->setText(ReportText::readAloud(m_model->shownSpeeches()));
    say(tr("The report is on the clipboard, ready to read aloud."));
}

void ReportWindow::commandExportCsv_Click()
{
    askForFile(tr("Export CSV"), tr("CSV files (*.csv)"), QStringLiteral("csv"),
               [this](const QString &path) { return exportCsv(path); });
}

void ReportWindow::commandSavePdf_Click()
{
    askForFile(tr("Save as PDF"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"),
               [this](const QString &path) { return savePdf(path); });
}

void ReportWindow::commandPrint_Click()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
    }
    m_printer->setDocName(meetingHeading());
    // Modal to the report alone, which is a window of its own: the timer keeps its keys.
    auto *dialog = new QPrintDialog(m_printer.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this] {
        ReportPage::render(*m_printer, meetingHeading(), m_model->shownSpeeches());
        say(tr("Sent to %1.")
                .arg(m_printer->outputFileName().isEmpty() ? m_printer->printerName()
                                                           : m_printer->outputFileName()));
    });
    openClearOfLight(dialog);
}

// A dialog left where Qt puts it, over the report, may cover the timer's light and STOP.
void ReportWindow::openClearOfLight(QDialog *dialog) const
{
    dialog->adjustSize();
    placeBesideTimer(dialog);
    dialog->open();
}

bool ReportWindow::exportCsv(const QString &path)
{
    // Every speech of the meeting, a column saying which were rehearsals.
    const QByteArray bytes = ReportText::csv(m_model->allSpeeches());
    return writeFile(path, [&bytes](QSaveFile &file) { return file.write(bytes) == bytes.size(); });
}

bool ReportWindow::savePdf(const QString &path)
{
    return writeFile(path, [this](QSaveFile &file) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm),
                              QPageLayout::Millimeter);
        writer.setResolution(PdfResolution);
        writer.setTitle(meetingHeading());
        writer.setCreator(QGuiApplication::applicationDisplayName());
        ReportPage::render(writer, meetingHeading(), m_model->shownSpeeches());
        return file.error() == QFileDevice::NoError;
    });
}

// The meeting's day names the file; it goes to the folder used last if it is still there, else
// to the documents folder, else home.
QString ReportWindow::suggestedFile(const QString &suffix) const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString folder = QDir::homePath();
    if (!m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir())
        folder = m_lastFolder;
    else if (!documents.isEmpty() && QFileInfo(documents).isDir())
        folder = documents;
    const int index = m_meetings->currentIndex();
    const QDate day = index >= 0 ? m_meetingList.at(index).startedAt.date() : QDate::currentDate();
    return QDir(folder).filePath(SuggestedName.arg(day.toString(Qt::ISODate), suffix));
}

// Modal to the report alone, which is a window of its own: the timer keeps its keys.
void ReportWindow::askForFile(const QString &caption, const QString &filter, const QString &suffix,
                              const std::function<bool(const QString &)> &write)
{
    const QFileInfo suggested(suggestedFile(suffix));
    auto *dialog = new QFileDialog(this, caption, suggested.absolutePath(), filter);
    dialog->selectFile(suggested.fileName());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    connect(dialog, &QFileDialog::fileSelected, this, [this, write](const QString &path) {
        m_lastFolder = QFileInfo(path).absolutePath();
        emit folderUsed(m_lastFolder);
        write(path);
    });
    openClearOfLight(dialog);
}

// Through a QSaveFile: the file appears whole or not at all, and the window says which.
bool ReportWindow::writeFile(const QString &path, const std::function<bool(QSaveFile &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) {
        say(tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()),
            true);
        return false;
    }
    say(tr("Saved %1.").arg(QDir::toNativeSeparators(path)));
    return true;
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
}

void ReportWindow::keyUndoDelete_Triggered()
{
    if (!m_store->canRestoreDeleted())
        return;
    if (m_model->restoreLastDeleted())
        say(tr("The speech deleted last is back."));
    else
        say(tr("Could not bring the speech back: %1").arg(m_store->lastError()), true);
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
