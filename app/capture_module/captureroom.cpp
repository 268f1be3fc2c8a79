// SPDX-License-Identifier: MIT
#include "app/capture_module/captureroom.h"

#include "capture/capturewindow.h"

CaptureRoom::CaptureRoom(const Handlers &handlers) : m_handlers(handlers) {}

CaptureRoom::~CaptureRoom() = default;

void CaptureRoom::setLamps(bool green, bool yellow, bool red, bool flashDark)
{
    m_green = green;
    m_yellow = yellow;
    m_red = red;
    m_flashDark = flashDark;
    if (m_window)
        m_window->setLamps(green, yellow, red, flashDark);
}

void CaptureRoom::setElapsedSeconds(int seconds)
{
    m_elapsed = seconds;
    if (m_window)
        m_window->setElapsedSeconds(seconds);
}

void CaptureRoom::show(const QString &remembered, QWidget *parent)
{
    if (!m_window) {
        m_window = new CaptureWindow(parent);
        m_window->restore(remembered);
        m_window->setLamps(m_green, m_yellow, m_red, m_flashDark);
        m_window->setElapsedSeconds(m_elapsed);
        // Only from here: what the window was made as is no choice of the operator's.
        connect(m_window, &CaptureWindow::changed, this,
                [this] { m_handlers.changed(m_window->remembered()); });
    }
    m_window->show();
    m_window->raise();
}

QWidget *CaptureRoom::window()
{
    return m_window;
}

std::unique_ptr<ScreenCapture> CaptureModule::create(const ScreenCapture::Handlers &handlers)
{
    return std::make_unique<CaptureRoom>(handlers);
}
