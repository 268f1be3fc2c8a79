// SPDX-License-Identifier: MIT
#include "lecternworkstimer.h"

#include "checked16.h"
#include "commandbutton.h"
#include "framedpanel.h"
#include "horizontaltimer.h"
#include "maskedtimebox.h"
#include "propertybag.h"
#include "speechcategories.h"
#include "storedbool.h"
#include "storedlayout.h"
#include "ticktimer.h"
#include "timereventdata.h"
#include "twips.h"
#include "version.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

namespace {

const QString LayoutPath = QStringLiteral(":/layouts/lecternworkstimer.json");
const QString RowDataPath = QStringLiteral(":/rows/timerevent%1.bin");
const QString ArrayItemName = QStringLiteral("%1(%2)");
const QString Separator = QStringLiteral("-");

constexpr int RunningHeightTwips = 4500;
constexpr int StoppedHeightTwips = 7800;
constexpr qint16 SecondsPerMinute = 60;
constexpr Qt::WindowStates HeldByTheShell = Qt::WindowMaximized | Qt::WindowFullScreen;
constexpr int ShellGraceMs = 250;
const QString ProgramName = QStringLiteral("Brindlewick Lecternworks Timer");

QString itemKey(const QString &name, int index)
{
    return index < 0 ? name : ArrayItemName.arg(name).arg(index);
}

// A threshold field's number: the digits it holds, unfilled or stray places skipped, so a box
// the operator has not filled in reads as 0 instead of failing.
qint16 fieldValue(const QString &field)
{
    qint16 value = 0;
    for (const QChar c : field) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            value =
                Checked16::holdingAdd(Checked16::holdingMul(value, 10), qint16(c.unicode() - '0'));
    }
    return value;
}

// A threshold's absolute time in seconds; its minutes and seconds are stored on the way.
qint16 thresholdSeconds(const QString &text, qint16 &minutes, qint16 &seconds)
{
    minutes = fieldValue(text.left(2));
    seconds = fieldValue(text.right(2));
    return Checked16::holdingAdd(Checked16::holdingMul(minutes, SecondsPerMinute), seconds);
}

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

LecternWorksTimer::LecternWorksTimer(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("LecternWorksTimer"));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    panelElapsedTime = new FramedPanel(client);
    panelElapsedTime->setObjectName(QStringLiteral("panelElapsedTime"));
    ElapsedTime = new MaskedTimeBox(panelElapsedTime);
    ElapsedTime->setObjectName(QStringLiteral("ElapsedTime"));
    ElapsedTime->setAccessibleName(tr("Time elapsed"));
    // A result, not an input: it can be selected and copied, never typed over.
    ElapsedTime->setReadOnly(true);

    TickTock_TIMER = new TickTimer(this);
    TickTock_TIMER->setObjectName(QStringLiteral("TickTock_TIMER"));
    connect(TickTock_TIMER, &TickTimer::timeout, this, &LecternWorksTimer::TickTock_TIMER_Timer);

    commandStopTimer = new CommandButton(client);
    commandStopTimer->setObjectName(QStringLiteral("commandStopTimer"));
    connect(commandStopTimer, &CommandButton::clicked, this,
            &LecternWorksTimer::commandStopTimer_Click);
    commandStartTimer = new CommandButton(client);
    commandStartTimer->setObjectName(QStringLiteral("commandStartTimer"));
    connect(commandStartTimer, &CommandButton::clicked, this,
            &LecternWorksTimer::commandStartTimer_Click);
    commandCycleColor = new CommandButton(client);
    commandCycleColor->setObjectName(QStringLiteral("commandCycleColor"));
    connect(commandCycleColor, &CommandButton::clicked, this,
            &LecternWorksTimer::commandCycleColor_Click);

    panelSelectionButtons = new FramedPanel(client);
    panelSelectionButtons->setObjectName(QStringLiteral("panelSelectionButtons"));
    for (qint16 index = SpeechCategories::FirstRow; index <= SpeechCategories::RowCount; ++index) {
        auto *row = new TimerEventDATA(panelSelectionButtons);
        row->setObjectName(ArrayItemName.arg(QStringLiteral("TimerEvent")).arg(index));
        connect(row, &TimerEventDATA::EventWuzClicked, this,
                [this, index] { TimerEvent_EventWuzClicked(index); });
        QFile stored(RowDataPath.arg(index));
        PropertyBag bag;
        if (stored.open(QIODevice::ReadOnly))
            bag = PropertyBag::fromBytes(stored.readAll());
        row->UserControl_ReadProperties(bag);
        m_timerEvent.insert(index, row);
    }
    auto *line = new QWidget(panelSelectionButtons);
    line->setObjectName(QStringLiteral("Line1"));
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);

    m_horizontalTimer = new HorizontalTimer(client);

    const StoredLayout layout = StoredLayout::loadAndApply(LayoutPath, this);
    buildMenus(layout.menus(), menuBar());
    setWindowTitle(layout.caption());
    // The layout gives the client area; the menu bar sits above it.
    resize(layout.clientSize().width(),
           layout.clientSize().height() + menuBar()->sizeHint().height());
    client->resize(layout.clientSize());

    Form_Load();
    commandStartTimer->setFocus(Qt::OtherFocusReason);

    setupSpeakerView();
}

LecternWorksTimer::~LecternWorksTimer() = default;

LecternWorksTimer::TimingState LecternWorksTimer::timingState() const
{
    TimingState s;
    s.GreenMinutes = GreenMinutes;
    s.GreenSeconds = GreenSeconds;
    s.SecondsToGreen = SecondsToGreen;
    s.YellowMinutes = YellowMinutes;
    s.YellowSeconds = YellowSeconds;
    s.SecondsToYellow = SecondsToYellow;
    s.RedMinutes = RedMinutes;
    s.RedSeconds = RedSeconds;
    s.SecondsToRed = SecondsToRed;
    s.FormIsLoading = FormIsLoading;
    s.TimeChangeText = TimeChangeText;
    s.SecondsUntilChange = SecondsUntilChange;
    s.ElapsedSeconds = ElapsedSeconds;
    s.PreviousChangeTime = PreviousChangeTime;
    s.tickOn = TickTock_TIMER->isEnabled();
    return s;
}

TimerEventDATA *LecternWorksTimer::TimerEvent(int index) const
{
    return m_timerEvent.value(index, nullptr);
}

QAction *LecternWorksTimer::menuItem(const QString &name, int index) const
{
    return m_menuItems.value(itemKey(name, index), nullptr);
}

// ---- Timing run -------------------------------------------------------------------------

void LecternWorksTimer::Form_Load()
{
    FormIsLoading = StoredBool::True;
    TickTock_TIMER->setEnabled(false);
    menuTimerTestSpeed_Click(SpeechCategories::Medium);
    m_horizontalTimer->ResetYourColors();
    for (qint32 row = SpeechCategories::FirstRow; row <= SpeechCategories::DefaultRowCount; ++row)
        SetDefaultEventTimes(row);
    FormIsLoading = StoredBool::False;
}

void LecternWorksTimer::commandStartTimer_Click()
{
    panelElapsedTime->setVisible(false);
    // Out of sight is not enough: rows left behind the frame would still take the keyboard.
    panelSelectionButtons->setVisible(false);
    commandStartTimer->setVisible(false);
    m_horizontalTimer->setChangeYourColorTO(HorizontalTimer::Dark);
    // Every speech is timed by the thresholds the operator sees now, not those of the last
    // row click: a second speaker, thresholds typed since and a new test speed all count.
    const qint16 selected = selectedRow();
    if (selected != 0)
        LoadEventTimes(selected);
    StartTiming();
    setOuterHeight(runStateHeight());
    commandStopTimer->setVisible(true);
    // The hidden START would hand the focus on to a threshold box out of sight, where a stray
    // digit would change a category's time unseen; the button now shown takes it instead.
    commandStopTimer->setFocus(Qt::OtherFocusReason);
}

void LecternWorksTimer::commandStopTimer_Click()
{
    StopTiming();
    // The rows come back before the window grows; the speaker's screen shows the light alone.
    panelSelectionButtons->setVisible(!m_speakerView);
    setOuterHeight(runStateHeight());
    commandStopTimer->setVisible(false);
    commandStartTimer->setVisible(true);
    ShowElapsedTime();
    panelElapsedTime->setVisible(true);
    commandStartTimer->setFocus(Qt::OtherFocusReason);
}

void LecternWorksTimer::commandCycleColor_Click()
{
    m_horizontalTimer->CycleTimerColor();
}

void LecternWorksTimer::TickTock_TIMER_Timer()
{
    // Past 9 hours the counters hold at their limits: the count stops and the light stays.
    ElapsedSeconds = Checked16::holdingAdd(ElapsedSeconds, 1);
    SecondsUntilChange = Checked16::holdingSub(SecondsUntilChange, 1);
    if (SecondsUntilChange == 0) {
        TimeToChangeColor();
        ArmNextColorChange();
    }
}

void LecternWorksTimer::StartTiming()
{
    ElapsedSeconds = 0;
    // With nothing pending the countdown stays at 0, so no colour step from an earlier run
    // can fire; the tick runs all the same, because the time spoken always counts.
    SecondsUntilChange = 0;
    ArmNextColorChange();
    TickTock_TIMER->setEnabled(true);
}

void LecternWorksTimer::StopTiming()
{
    TickTock_TIMER->setEnabled(false);
}

void LecternWorksTimer::ArmNextColorChange()
{
    // The first pending stage is armed and used up; one with no time to run is skipped.
    for (qint16 *stage : {&SecondsToGreen, &SecondsToYellow, &SecondsToRed}) {
        if (*stage >= 1) {
            SecondsUntilChange = *stage;
            *stage = 0;
            return;
        }
    }
}

void LecternWorksTimer::TimeToChangeColor()
{
    commandCycleColor_Click();
}

void LecternWorksTimer::ShowElapsedTime()
{
    const int minutes = ElapsedSeconds / SecondsPerMinute;
    const int seconds = ElapsedSeconds % SecondsPerMinute;
    ElapsedTime->setText(twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds));
}

// The one answer to how tall the window stands: the light alone while a speech is timed,
// the rows too otherwise.
int LecternWorksTimer::runStateHeight() const
{
    return TickTock_TIMER->isEnabled() ? RunningHeightTwips : StoppedHeightTwips;
}

void LecternWorksTimer::setOuterHeight(int twips)
{
    // The speaker's view keeps the screen; leaving it sets the height the run state asks.
    if (m_speakerView)
        return;
    m_outerHeight = Twips::toPixels(twips);
    if (!(windowState() & HeldByTheShell)) {
        applyOuterHeight();
        return;
    }
    // The shell holds a maximised or full-screen window at its size, and Wayland ends a
    // program that resizes it there. The window is let go first and sized when the shell
    // has restored its normal geometry and frame, or after a grace period where no shell
    // answers (an X server with no window manager).
    m_awaitingNormalState = true;
    setWindowState(windowState() & ~HeldByTheShell);
    QTimer::singleShot(ShellGraceMs, this, [this] {
        if (m_awaitingNormalState && !(windowState() & HeldByTheShell))
            applyOuterHeight();
    });
}

void LecternWorksTimer::applyOuterHeight()
{
    m_awaitingNormalState = false;
    // The height includes the frame and title bar that the window manager adds.
    const int frame = frameGeometry().height() - geometry().height();
    const int height = qMax(1, m_outerHeight - frame);
    if (m_returnPlace.isNull()) {
        resize(width(), height);
        return;
    }
    // Back from the speaker's view: where the window stood, as wide as it was.
    setGeometry(m_returnPlace.x(), m_returnPlace.y(), m_returnPlace.width(), height);
    m_returnPlace = QRect();
}

void LecternWorksTimer::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_speakerView)
        fitLightToScreen();
    else if (m_awaitingNormalState && !(windowState() & HeldByTheShell))
        applyOuterHeight();
}

// ---- Speech categories and thresholds ------------------------------------------------------

void LecternWorksTimer::TimerEvent_EventWuzClicked(qint16 index)
{
    for (qint16 i = SpeechCategories::FirstRow; i <= SpeechCategories::RowCount; ++i) {
        if (i == index)
            LoadEventTimes(index);
        else
            TimerEvent(i)->UnclickYourEvent();
    }
}

qint16 LecternWorksTimer::selectedRow() const
{
    for (qint16 i = SpeechCategories::FirstRow; i <= SpeechCategories::RowCount; ++i) {
        if (TimerEvent(i)->isSelected())
            return i;
    }
    return 0;
}

void LecternWorksTimer::LoadEventTimes(qint16 index)
{
    TimerEventDATA *row = TimerEvent(index);
    if (!row)
        return;
    TimeChangeText = row->TimeChangeGreen();
    ConvertTimeChange(HorizontalTimer::Green);
    TimeChangeText = row->TimeChangeYellow();
    ConvertTimeChange(HorizontalTimer::Yellow);
    TimeChangeText = row->TimeChangeRed();
    ConvertTimeChange(HorizontalTimer::Red);
}

void LecternWorksTimer::ConvertTimeChange(qint32 stageCode)
{
    if (FormIsLoading)
        return;
    switch (stageCode) {
    case HorizontalTimer::Green:
        SecondsToGreen = thresholdSeconds(TimeChangeText, GreenMinutes, GreenSeconds);
        PreviousChangeTime = SecondsToGreen;
        break;
    // A later stage waits for the difference to the stage before it.
    case HorizontalTimer::Yellow:
        SecondsToYellow = Checked16::holdingSub(
            thresholdSeconds(TimeChangeText, YellowMinutes, YellowSeconds), PreviousChangeTime);
        PreviousChangeTime = Checked16::holdingAdd(PreviousChangeTime, SecondsToYellow);
        break;
    case HorizontalTimer::Red:
        SecondsToRed = Checked16::holdingSub(
            thresholdSeconds(TimeChangeText, RedMinutes, RedSeconds), PreviousChangeTime);
        PreviousChangeTime = Checked16::holdingAdd(PreviousChangeTime, SecondsToRed);
        break;
    default:
        break;
    }
}

void LecternWorksTimer::SetDefaultEventTimes(qint32 index)
{
    TimerEventDATA *row = TimerEvent(index);
    if (!row || index < SpeechCategories::FirstRow || index > SpeechCategories::DefaultRowCount)
        return;
    const SpeechCategories::Thresholds &times = SpeechCategories::DefaultTimes[index - 1];
    row->setTimeChangeGreen(QString::fromLatin1(times.green));
    row->setTimeChangeYellow(QString::fromLatin1(times.yellow));
    row->setTimeChangeRed(QString::fromLatin1(times.red));
}

void LecternWorksTimer::menuTimerTestSpeed_Click(qint16 index)
{
    for (qint16 speed : {SpeechCategories::Fast, SpeechCategories::Medium, SpeechCategories::Slow})
        menuItem(QStringLiteral("menuTimerTestSpeed"), speed)->setChecked(false);
    if (SpeechCategories::isTestSpeed(index))
        menuItem(QStringLiteral("menuTimerTestSpeed"), index)->setChecked(true);
    TimerEventDATA *testRow = TimerEvent(SpeechCategories::TestRow);
    testRow->SelectThisEvent();
    if (!SpeechCategories::isTestSpeed(index))
        return;
    const SpeechCategories::Thresholds times = SpeechCategories::TestSpeed(index);
    testRow->setTimeChangeGreen(QString::fromLatin1(times.green));
    testRow->setTimeChangeYellow(QString::fromLatin1(times.yellow));
    testRow->setTimeChangeRed(QString::fromLatin1(times.red));
}

// ---- Menus -----------------------------------------------------------------------------

void LecternWorksTimer::menuQuit_Click()
{
    close();
}

void LecternWorksTimer::menuLeaveColorsOn_Click()
{
    QAction *item = menuItem(QStringLiteral("menuLeaveColorsOn"));
    const bool wasChecked = item->isChecked();
    item->setChecked(!wasChecked);
    m_horizontalTimer->setLeaveOldColorsOn(item->isChecked());
}

void LecternWorksTimer::menuResetElapsedTime_Click()
{
    // The speech in progress keeps its count; only a finished one's result is cleared.
    if (TickTock_TIMER->isEnabled())
        return;
    ElapsedSeconds = 0;
    ShowElapsedTime();
}

void LecternWorksTimer::menuAbout_Click()
{
    // Opened, not executed: the tick goes on while the box is up.
    auto *about = new QMessageBox(QMessageBox::Information, tr("About %1").arg(ProgramName),
                                  tr("<p><b>%1</b><br>Version 1.1 (file version %2)</p>"
                                     "<p>A speech timer for public-speaking clubs: its light "
                                     "turns green, yellow and red as the speaker passes each "
                                     "threshold.</p>"
                                     "<p>Copyright the LecternWorks Timer developers.<br>"
                                     "Released under the MIT licence.</p>")
                                      .arg(ProgramName, Version::FileVersion),
                                  QMessageBox::Ok, this);
    about->setObjectName(QStringLiteral("aboutBox"));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->open();
}

void LecternWorksTimer::buildMenus(const QJsonArray &entries, QWidget *parentMenu)
{
    auto *bar = qobject_cast<QMenuBar *>(parentMenu);
    auto *menu = qobject_cast<QMenu *>(parentMenu);
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value(QLatin1String("name")).toString();
        const int index = entry.value(QLatin1String("index")).toInt(-1);
        const QString caption = entry.value(QLatin1String("caption")).toString();
        QAction *item = nullptr;
        if (entry.contains(QLatin1String("items"))) {
            QMenu *submenu = bar ? bar->addMenu(caption) : menu->addMenu(caption);
            submenu->setObjectName(name);
            buildMenus(entry.value(QLatin1String("items")).toArray(), submenu);
            item = submenu->menuAction();
        } else if (caption == Separator) {
            item = menu->addSeparator();
        } else {
            item = menu->addAction(caption);
            item->setShortcut(QKeySequence(entry.value(QLatin1String("shortcut")).toString(),
                                           QKeySequence::PortableText));
            item->setCheckable(entry.value(QLatin1String("checkable")).toBool());
            connect(item, &QAction::triggered, this,
                    [this, item, name, index] { onMenuItem(item, name, index); });
        }
        item->setObjectName(itemKey(name, index));
        m_menuItems.insert(itemKey(name, index), item);
    }
}

void LecternWorksTimer::onMenuItem(QAction *item, const QString &name, int index)
{
    // Qt flips a checkable item before reporting it; the handlers own the check marks, so
    // they see the item as it was when chosen.
    if (item->isCheckable()) {
        const QSignalBlocker blocker(item);
        item->setChecked(!item->isChecked());
    }
    if (name == QLatin1String("menuQuit"))
        menuQuit_Click();
    else if (name == QLatin1String("menuLeaveColorsOn"))
        menuLeaveColorsOn_Click();
    else if (name == QLatin1String("menuTimerTestSpeed"))
        menuTimerTestSpeed_Click(qint16(index));
    else if (name == QLatin1String("menuResetElapsedTime"))
        menuResetElapsedTime_Click();
    else if (name == QLatin1String("menuAbout"))
        menuAbout_Click();
}

// ---- The speaker's view ----------------------------------------------------------------

void LecternWorksTimer::setupSpeakerView()
{
    m_designLayout = StoredLayout::load(LayoutPath);
    keySpeakerView = new QAction(tr("Speaker's view"), this);
    keySpeakerView->setObjectName(QStringLiteral("keySpeakerView"));
    // The desktop's own full-screen keys, and F11 wherever the desktop names none.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!keys.contains(QKeySequence(Qt::Key_F11)))
        keys.prepend(QKeySequence(Qt::Key_F11));
    keySpeakerView->setShortcuts(keys);
    connect(keySpeakerView, &QAction::triggered, this,
            &LecternWorksTimer::keySpeakerView_Triggered);
    addAction(keySpeakerView);
    keyLeaveView = new QAction(tr("Leave the speaker's view"), this);
    keyLeaveView->setObjectName(QStringLiteral("keyLeaveView"));
    keyLeaveView->setShortcut(QKeySequence(Qt::Key_Escape));
    // Esc means nothing to the window outside the view.
    keyLeaveView->setEnabled(false);
    connect(keyLeaveView, &QAction::triggered, this, &LecternWorksTimer::keyLeaveView_Triggered);
    addAction(keyLeaveView);
}

void LecternWorksTimer::keySpeakerView_Triggered()
{
    if (m_speakerView)
        leaveSpeakerView();
    else
        enterSpeakerView();
}

void LecternWorksTimer::keyLeaveView_Triggered()
{
    if (m_speakerView)
        leaveSpeakerView();
}

void LecternWorksTimer::enterSpeakerView()
{
    // The window's place and width to come back to; a maximised one comes back let go.
    m_returnPlace = normalGeometry();
    m_speakerView = true;
    m_awaitingNormalState = false;
    keyLeaveView->setEnabled(true);
    panelSelectionButtons->setVisible(false);
    // Out of sight but not hidden: a hidden menu bar takes its items' shortcuts and its
    // access keys with it, and the keys work here as everywhere.
    menuBar()->setFixedHeight(0);
    QWidget *client = centralWidget();
    QPalette dark = client->palette();
    dark.setColor(QPalette::Window, Qt::black);
    client->setPalette(dark);
    client->setAutoFillBackground(true);
    showFullScreen();
    layout()->activate();
    fitLightToScreen();
    // A threshold box that had the focus is hidden now; the button on the light takes it.
    (commandStartTimer->isHidden() ? commandStopTimer : commandStartTimer)
        ->setFocus(Qt::OtherFocusReason);
}

void LecternWorksTimer::leaveSpeakerView()
{
    m_speakerView = false;
    keyLeaveView->setEnabled(false);
    QWidget *client = centralWidget();
    client->setAutoFillBackground(false);
    client->setPalette(QPalette());
    menuBar()->setMaximumHeight(QWIDGETSIZE_MAX);
    placeAtScale(1.0);
    panelSelectionButtons->setVisible(!TickTock_TIMER->isEnabled());
    setOuterHeight(runStateHeight());
}

// The light with the button on it as large as the screen allows, centred, the rest dark.
void LecternWorksTimer::fitLightToScreen()
{
    const QRect light = m_designLayout.placement(m_horizontalTimer->objectName());
    const QSize screen = centralWidget()->size();
    const double scale = Twips::scaleToFit(light.size(), screen);
    const QRect shown =
        Twips::toPixels(light.left(), light.top(), light.width(), light.height(), scale);
    const QPoint centred((screen.width() - shown.width()) / 2,
                         (screen.height() - shown.height()) / 2);
    placeAtScale(scale, centred - shown.topLeft());
}

void LecternWorksTimer::placeAtScale(double scale, const QPoint &origin)
{
    m_designLayout.placeAt(this, scale, origin);
    m_horizontalTimer->setScale(scale);
}
