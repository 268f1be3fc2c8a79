// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

class LecternWorksTimer;
class ScreenCapture;
class Settings;

// The window's side of the light for screen capture: the module loaded at the first showing,
// handed the lamps and the time as the speaker's view follows them, its window remembered.
class ScreenCaptureLink : public QObject
{
    Q_OBJECT

public:
    ScreenCaptureLink(LecternWorksTimer *window, Settings &settings);
    ~ScreenCaptureLink() override;

    // Options ▸ Light for Screen Capture.
    void show();
    // Null until shown, or when its module cannot be loaded.
    ScreenCapture *capture() const { return m_capture.get(); }

private:
    void handOverLamps();

    LecternWorksTimer *m_window = nullptr;
    Settings &m_settings;
    std::unique_ptr<ScreenCapture> m_capture;
    bool m_loadFailed = false;
};
