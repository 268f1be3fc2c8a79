// SPDX-License-Identifier: MIT
#include "app/screencapturelink.h"

#include "app/devicelightlink.h"
#include "app/lecternworkstimer.h"
#include "app/screencapture.h"
#include "app/settings.h"
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/sharedlamps.h"

ScreenCaptureLink::ScreenCaptureLink(LecternWorksTimer *window, Settings &settings)
    : QObject(window), m_window(window), m_settings(settings)
{
}

ScreenCaptureLink::~ScreenCaptureLink() = default;

void ScreenCaptureLink::show()
{
    if (!m_capture && !m_loadFailed) {
        ScreenCapture::Handlers handlers;
        handlers.changed = [this](const QString &remembered) {
            m_settings.setCaptureWindow(remembered);
        };
        m_capture = ScreenCapture::create(handlers);
        m_loadFailed = !m_capture;
        if (m_capture) {
            connect(&SharedLamps::instance(), &SharedLamps::changed, this,
                    &ScreenCaptureLink::handOverLamps);
            connect(m_window->deviceLight(), &DeviceLightLink::runStateChanged, this,
                    [this](bool, int, int elapsedSeconds) {
                        m_capture->setElapsedSeconds(elapsedSeconds);
                    });
            handOverLamps();
            m_capture->setElapsedSeconds(m_window->timingState().ElapsedSeconds);
        }
    }
    if (m_capture)
        m_capture->show(m_settings.captureWindow(), m_window);
}

void ScreenCaptureLink::handOverLamps()
{
    const SharedLamps &lamps = SharedLamps::instance();
    const bool red = lamps.isLit(HorizontalTimer::Red);
    m_capture->setLamps(lamps.isLit(HorizontalTimer::Green),
                        lamps.isLit(HorizontalTimer::Yellow), red && !lamps.redBlinkedOff(),
                        red && lamps.redBlinkedOff());
}
