// SPDX-License-Identifier: MIT
#include "app/devicelightlink.h"

#include "app/agendalink.h"
#include "app/devicelight.h"
#include "app/lecternworkstimer.h"
#include "app/recordlink.h"
#include "app/settings.h"
#include "app/ticktimer.h"
#include "controls/event_row/timereventdata.h"
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/sharedlamps.h"
#include "timing/speechcategories.h"

DeviceLightLink::DeviceLightLink(LecternWorksTimer *window, Settings &settings,
                                 AgendaLink *agenda)
    : QObject(window), m_window(window), m_settings(settings)
{
    connect(agenda, &AgendaLink::nextChanged, this, [this, agenda] { nextMarked(agenda); });
}

DeviceLightLink::~DeviceLightLink() = default;

DeviceLight *DeviceLightLink::light()
{
    if (m_light || m_loadFailed)
        return m_light.get();
    // A controller's keys are the window's own, taken only when the window shows them: START
    // while stopped, STOP while timing, a row while stopped.
    DeviceLight::Handlers handlers;
    handlers.startRequested = [this](const QString &device) {
        if (!m_window->tickTimer()->isEnabled())
            fromDevice(device, &LecternWorksTimer::commandStartTimer_Click);
    };
    handlers.stopRequested = [this](const QString &device) {
        if (m_window->tickTimer()->isEnabled())
            fromDevice(device, &LecternWorksTimer::commandStopTimer_Click);
    };
    handlers.rowRequested = [this](int row) {
        if (TimerEventDATA *chosen = m_window->TimerEvent(row);
            chosen && !m_window->tickTimer()->isEnabled())
            chosen->SelectThisEvent();
    };
    handlers.choicesChanged = [this](const LightChoices &choices) {
        m_settings.setLightChoices(choices);
    };
    handlers.devicesChanged = [this](const QByteArray &devices) {
        m_settings.setLightDevices(devices);
    };
    m_light = DeviceLight::create(handlers);
    if (!m_light) {
        m_loadFailed = true;
        return nullptr;
    }
    QStringList rows;
    for (qint16 i = SpeechCategories::FirstRow; i <= SpeechCategories::RowCount; ++i)
        rows << m_window->TimerEvent(i)->EventName();
    m_light->setRows(rows);
    m_light->setDevices(m_settings.lightDevices());
    m_light->setRunState(m_window->tickTimer()->isEnabled(), m_window->selectedRow(),
                         m_window->timingState().ElapsedSeconds);
    m_light->setNextSpeaker(m_nextSpeaker);
    // The lamps are handed over rather than read: the module has a copy of its own of what
    // every light shares.
    connect(&SharedLamps::instance(), &SharedLamps::changed, this, &DeviceLightLink::handOverLamps);
    handOverLamps();
    return m_light.get();
}

void DeviceLightLink::switchOnIfChosen()
{
    const LightChoices choices = m_settings.lightChoices();
    if (choices.onAtStart && !choices.address.isEmpty())
        if (DeviceLight *on = light())
            on->start(choices);
}

void DeviceLightLink::showPairingWindow()
{
    if (DeviceLight *on = light())
        on->showPairingWindow(m_settings.lightChoices(), m_window);
}

void DeviceLightLink::announceRunState()
{
    const bool running = m_window->tickTimer()->isEnabled();
    const int row = m_window->selectedRow();
    const int elapsed = m_window->timingState().ElapsedSeconds;
    emit runStateChanged(running, row, elapsed);
    if (m_light)
        m_light->setRunState(running, row, elapsed);
}

void DeviceLightLink::nextMarked(const AgendaLink *agenda)
{
    // What the timer's title says START records: "Ann Lee — Ice Breaker ...".
    m_nextSpeaker = agenda->nextText();
    if (m_light)
        m_light->setNextSpeaker(m_nextSpeaker);
}

void DeviceLightLink::fromDevice(const QString &deviceName, void (LecternWorksTimer::*command)())
{
    RecordLink *record = m_window->recordLink();
    record->setCommandingDevice(deviceName);
    (m_window->*command)();
    record->setCommandingDevice(QString());
}

void DeviceLightLink::handOverLamps()
{
    const SharedLamps &lamps = SharedLamps::instance();
    m_light->setLamps(lamps.isLit(HorizontalTimer::Green), lamps.isLit(HorizontalTimer::Yellow),
                      lamps.isLit(HorizontalTimer::Red) && !lamps.redBlinkedOff(),
                      lamps.isLit(HorizontalTimer::Red) && lamps.redBlinkedOff());
}
