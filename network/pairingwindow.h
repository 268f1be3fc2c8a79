// SPDX-License-Identifier: MIT
#pragma once

#include "network/lightchoices.h"

#include <QWidget>

class LightService;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// Options ▸ Light on Other Devices...: the switch, the address and port offered, the address
// as text and as a QR code a phone scans to pair, and the devices paired, each a viewer or a
// controller until revoked.
class PairingWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int QrModulePixels = 5;

    PairingWindow(LightService *service, const LightChoices &choices, QWidget *parent = nullptr);

    LightChoices choices() const;
    // The machine's own addresses a device on the network can reach, loopback left out.
    static QStringList ownAddresses();

    QCheckBox *switchBox() const { return m_switch; }
    QComboBox *addressBox() const { return m_address; }
    QSpinBox *portBox() const { return m_port; }
    QCheckBox *onAtStartBox() const { return m_onAtStart; }
    QLabel *messageLabel() const { return m_message; }
    QLabel *urlLabel() const { return m_url; }
    QLabel *qrLabel() const { return m_qr; }
    QTreeWidget *deviceList() const { return m_devices; }
    QPushButton *controllerButton() const { return m_makeController; }
    QPushButton *viewerButton() const { return m_makeViewer; }
    QPushButton *revokeButton() const { return m_revoke; }
    QPushButton *videoLinkButton() const { return m_copyVideo; }
    QTreeWidget *failureList() const { return m_failures; }

signals:
    void choicesChanged(const LightChoices &choices);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void switchToggled(bool on);
    void choiceEdited();
    void showListening();
    void showPairingUrl();
    void showDevices();
    void showFailures();
    void updateButtons();
    QString selectedDevice() const;

    LightService *m_service = nullptr;
    QCheckBox *m_switch = nullptr;
    QComboBox *m_address = nullptr;
    QSpinBox *m_port = nullptr;
    QCheckBox *m_onAtStart = nullptr;
    QLabel *m_message = nullptr;
    QLabel *m_url = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_copyVideo = nullptr;
    QLabel *m_qr = nullptr;
    QTreeWidget *m_devices = nullptr;
    QPushButton *m_makeController = nullptr;
    QPushButton *m_makeViewer = nullptr;
    QPushButton *m_revoke = nullptr;
    QTreeWidget *m_failures = nullptr;
    int m_shownDevices = 0;
};
