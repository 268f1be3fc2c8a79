// SPDX-License-Identifier: MIT
#pragma once

#include "app/meetingrecord.h"

#include <QObject>

#include <memory>

class AgendaLink;
class DeviceLight;
class LecternWorksTimer;
class Settings;

// The window's side of the light on other devices: what the window tells it, handed to the
// module once loaded, and what devices ask, handed to the window's own handlers.
class DeviceLightLink : public QObject
{
    Q_OBJECT

public:
    // Devices are told the next speaker as the agenda marks them.
    DeviceLightLink(LecternWorksTimer *window, Settings &settings, AgendaLink *agenda);
    ~DeviceLightLink() override;

    // The light, loaded at the first call; null when its module cannot be loaded.
    DeviceLight *light();
    // At start: loaded and listening only when the operator left it on with an address chosen.
    void switchOnIfChosen();
    // Options ▸ Light on Other Devices...
    void showPairingWindow();
    // Tells the light of the window's run; the window calls it whenever the run may have changed.
    void announceRunState();

signals:
    // Whether a speech is timed, the row chosen (0 for none) and the seconds spoken so far.
    void runStateChanged(bool running, int row, int elapsedSeconds);

private:
    void handOverLamps();
    void nextMarked(const AgendaLink *agenda);
    // Runs the window's own handler, the record told which device pressed it.
    void fromDevice(const QString &deviceName, void (LecternWorksTimer::*command)());

    LecternWorksTimer *m_window = nullptr;
    Settings &m_settings;
    std::unique_ptr<DeviceLight> m_light;
    bool m_loadFailed = false;
    QString m_nextSpeaker;
};
