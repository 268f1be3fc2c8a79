// SPDX-License-Identifier: MIT
#pragma once

#include "network/deviceregistry.h"
#include "network/failurelimiter.h"
#include "network/lightstate.h"

#include <QHostAddress>
#include <QObject>
#include <QThread>
#include <QUrl>

class LightServer;

// The window's side of the light on other devices. The server runs on a thread of its own, so
// no lamp of the window ever waits on a device; this object hands it the lamps, the run and
// the window's choices, and hands the window back what devices ask for.
class LightService : public QObject
{
    Q_OBJECT

public:
    explicit LightService(QObject *parent = nullptr);
    ~LightService() override;

    // Listens on the address and port, once the server's thread has tried: see listeningChanged.
    void start(const QHostAddress &address, quint16 port);
    void stop();
    bool isListening() const { return m_listening; }
    QString errorString() const { return m_error; }
    QUrl pairingUrl() const { return m_pairingUrl; }

    const QList<PairedDevice> &devices() const { return m_devices; }
    // The last failed pairings, keys and refusals, newest first.
    const QList<FailedAttempt> &failedAttempts() const { return m_failedAttempts; }
    static constexpr int FailedAttemptsKept = 10;
    void setDevices(const QList<PairedDevice> &devices);
    void setRole(const QString &deviceId, PairedDevice::Role role);
    void revoke(const QString &deviceId);

    // The window's run: whether a speech is timed, the row chosen and the seconds so far.
    void setRunState(bool running, int row, int elapsedSeconds);
    void setRows(const QStringList &rows);
    void setNextSpeaker(const QString &name);
    // The window's lamps; red as shown, dark in the overtime flash's dark moments (flashDark).
    void setLamps(bool green, bool yellow, bool red, bool flashDark = false);

signals:
    void listeningChanged(bool listening);
    void pairingUrlChanged(const QUrl &url);
    void devicesChanged(const QList<PairedDevice> &devices);
    void failedAttemptsChanged();
    void startRequested(const QString &deviceName);
    void stopRequested(const QString &deviceName);
    void rowRequested(int row);

private:
    // Runs the work on the server's thread, after all handed over before it.
    template <typename Work> void onServer(Work work);
    void pushState();
    void sendState();
    void listened(bool listening, const QString &error);
    void gatherFailure(const FailedAttempt &attempt);

    QThread m_thread;
    // Lives on the server's thread, as the server does; the server is only touched there.
    QObject *m_home = nullptr;
    LightServer *m_server = nullptr;
    LightState m_state;
    // The lamps as last handed over; sent once the event loop's turn is done.
    bool m_green = false;
    bool m_yellow = false;
    bool m_red = false;
    bool m_flashDark = false;
    bool m_pushPending = false;
    qint64 m_pushRequestedAtMs = 0;
    bool m_listening = false;
    QString m_error;
    QUrl m_pairingUrl;
    QList<PairedDevice> m_devices;
    QList<FailedAttempt> m_failedAttempts;
    // Failures not yet handed to the window, touched only on the server's thread.
    QList<FailedAttempt> m_newFailures;
    static constexpr int FailureBatchMs = 200;
};
