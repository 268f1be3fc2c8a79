// SPDX-License-Identifier: MIT
#include "network/pairingwindow.h"

#include "components/plaintooltip.h"
#include "network/devicename.h"
#include "network/lightservice.h"
#include "network/qrimage.h"
#include "network/videolinkdialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int FirstPort = 1024;
constexpr int LastPort = 65535;
constexpr int QrSidePixels = 240;

} // namespace

PairingWindow::PairingWindow(LightService *service, const LightChoices &choices, QWidget *parent)
    : QWidget(parent, Qt::Window), m_service(service)
{
    setObjectName(QStringLiteral("pairingWindow"));
    setWindowTitle(tr("Light on Other Devices"));

    m_switch = new QCheckBox(tr("&Show the light on other devices"), this);
    m_address = new QComboBox(this);
    m_address->setObjectName(QStringLiteral("lightAddress"));
    m_address->addItem(tr("Choose an address"), QString());
    for (const QString &address : ownAddresses())
        m_address->addItem(address, address);
    if (!choices.address.isEmpty() && m_address->findData(choices.address) < 0)
        m_address->addItem(choices.address, choices.address);
    m_address->setCurrentIndex(qMax(0, m_address->findData(choices.address)));
    m_port = new QSpinBox(this);
    m_port->setRange(FirstPort, LastPort);
    m_port->setValue(qBound(FirstPort, int(choices.port), LastPort));
    m_onAtStart = new QCheckBox(tr("switch on at start"), this);
    m_onAtStart->setChecked(choices.onAtStart);
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_url = new QLabel(this);
    m_url->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_copy = new QPushButton(tr("C&opy Address"), this);
    m_copyVideo = new QPushButton(tr("Copy &Link for Video..."), this);
    m_qr = new QLabel(this);
    m_qr->setMinimumSize(QrSidePixels, QrSidePixels);
    m_qr->setAlignment(Qt::AlignCenter);

    m_devices = new QTreeWidget(this);
    m_devices->setHeaderLabels({tr("Device"), tr("Paired"), tr("Role")});
    m_devices->setRootIsDecorated(false);
    m_devices->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_makeController = new QPushButton(tr("Make &Controller"), this);
    m_makeViewer = new QPushButton(tr("Make &Viewer"), this);
    m_revoke = new QPushButton(tr("&Revoke"), this);
    m_failures = new QTreeWidget(this);
    m_failures->setHeaderLabels({tr("Address"), tr("Time"), tr("What failed")});
    m_failures->setRootIsDecorated(false);
    m_failures->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *form = new QFormLayout;
    form->addRow(m_switch);
    form->addRow(tr("&Address:"), m_address);
    form->addRow(tr("&Port:"), m_port);
    form->addRow(m_onAtStart);
    auto *urlRow = new QHBoxLayout;
    urlRow->addWidget(m_url, 1);
    urlRow->addWidget(m_copy);
    urlRow->addWidget(m_copyVideo);
    auto *deviceButtons = new QHBoxLayout;
    deviceButtons->addWidget(m_makeController);
    deviceButtons->addWidget(m_makeViewer);
    deviceButtons->addStretch(1);
    deviceButtons->addWidget(m_revoke);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(m_message);
    column->addLayout(urlRow);
    column->addWidget(m_qr);
    column->addWidget(new QLabel(tr("Paired devices:"), this));
    column->addWidget(m_devices, 1);
    column->addLayout(deviceButtons);
    column->addWidget(new QLabel(tr("Failed attempts:"), this));
    column->addWidget(m_failures);

    connect(m_switch, &QCheckBox::toggled, this, &PairingWindow::switchToggled);
    connect(m_address, &QComboBox::currentIndexChanged, this, &PairingWindow::choiceEdited);
    connect(m_port, &QSpinBox::valueChanged, this, &PairingWindow::choiceEdited);
    connect(m_onAtStart, &QCheckBox::toggled, this, &PairingWindow::choiceEdited);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_service->pairingUrl().toString()); });
    connect(m_copyVideo, &QPushButton::clicked, this, [this] {
        auto *dialog = new VideoLinkDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QDialog::accepted, this, [this, dialog] {
            QGuiApplication::clipboard()->setText(
                VideoLinkDialog::link(m_service->pairingUrl(), dialog->layout()).toString());
        });
        dialog->open();
    });
    connect(m_devices, &QTreeWidget::itemSelectionChanged, this, &PairingWindow::updateButtons);
    connect(m_makeController, &QPushButton::clicked, this,
            [this] { m_service->setRole(selectedDevice(), PairedDevice::Role::Controller); });
    connect(m_makeViewer, &QPushButton::clicked, this,
            [this] { m_service->setRole(selectedDevice(), PairedDevice::Role::Viewer); });
    connect(m_revoke, &QPushButton::clicked, this, [this] { m_service->revoke(selectedDevice()); });
    connect(m_service, &LightService::listeningChanged, this, &PairingWindow::showListening);
    connect(m_service, &LightService::pairingUrlChanged, this, &PairingWindow::showPairingUrl);
    connect(m_service, &LightService::devicesChanged, this, &PairingWindow::showDevices);
    connect(m_service, &LightService::failedAttemptsChanged, this, &PairingWindow::showFailures);

    {
        const QSignalBlocker blocker(m_switch);
        m_switch->setChecked(m_service->isListening());
    }
    showListening();
    showDevices();
}

void PairingWindow::keyPressEvent(QKeyEvent *event)
{
    // As a dialog does: Esc closes it; nothing in it is undone, every choice took effect.
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}

QStringList PairingWindow::ownAddresses()
{
    QStringList addresses;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        // A link-local IPv6 address needs its interface named, which no browser's address bar
        // takes.
        if (address.isLoopback() || address.isLinkLocal() || address.isMulticast())
            continue;
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            addresses.prepend(address.toString());
        else if (address.protocol() == QAbstractSocket::IPv6Protocol)
            addresses.append(address.toString());
    }
    return addresses;
}

LightChoices PairingWindow::choices() const
{
    LightChoices c;
    c.address = m_address->currentData().toString();
    c.port = quint16(m_port->value());
    c.onAtStart = m_onAtStart->isChecked();
    return c;
}

void PairingWindow::switchToggled(bool on)
{
    if (on)
        m_service->start(QHostAddress(choices().address), choices().port);
    else
        m_service->stop();
}

void PairingWindow::choiceEdited()
{
    emit choicesChanged(choices());
    // A new address or port takes effect at once while switched on.
    if (m_switch->isChecked() && !choices().address.isEmpty())
        m_service->start(QHostAddress(choices().address), choices().port);
    else if (choices().address.isEmpty() && m_switch->isChecked())
        m_switch->setChecked(false);
    showListening();
}

void PairingWindow::showListening()
{
    const bool listening = m_service->isListening();
    const bool chosen = !choices().address.isEmpty();
    m_switch->setEnabled(chosen);
    if (m_switch->isChecked() != listening && (listening || !m_service->errorString().isEmpty())) {
        const QSignalBlocker blocker(m_switch);
        m_switch->setChecked(listening);
    }
    if (!chosen)
        m_message->setText(tr("Choose the address to offer the light on; nothing listens "
                              "until one is chosen."));
    else if (!m_service->errorString().isEmpty())
        m_message->setText(m_service->errorString());
    else if (!listening)
        m_message->setText(tr("Off: nothing listens on the network."));
    else
        m_message->setText(tr("On: scan the code with a phone or tablet to pair it. A code "
                              "pairs one device and is good for two minutes."));
    showPairingUrl();
}

void PairingWindow::showPairingUrl()
{
    const QUrl url = m_service->isListening() ? m_service->pairingUrl() : QUrl();
    m_url->setText(url.toString());
    m_copy->setEnabled(!url.isEmpty());
    m_copyVideo->setEnabled(!url.isEmpty());
    m_qr->setPixmap(url.isEmpty()
                        ? QPixmap()
                        : QPixmap::fromImage(QrImage::encode(url.toString(), QrModulePixels)));
}

void PairingWindow::showDevices()
{
    const QString selected = selectedDevice();
    const QList<PairedDevice> &devices = m_service->devices();
    m_devices->clear();
    QTreeWidgetItem *toSelect = nullptr;
    for (const PairedDevice &device : devices) {
        auto *item = new QTreeWidgetItem(m_devices);
        item->setText(0, device.name());
        item->setToolTip(0, plainToolTip(device.agent));
        item->setText(1, QLocale().toString(device.pairedAt.toLocalTime(), QLocale::ShortFormat));
        item->setText(2, device.role == PairedDevice::Role::Controller ? tr("controller")
                                                                       : tr("viewer"));
        item->setData(0, Qt::UserRole, device.id);
        if (device.id == selected)
            toSelect = item;
    }
    // A device just paired is the one the operator acts on next.
    if (devices.size() > m_shownDevices && m_devices->topLevelItemCount() > 0)
        toSelect = m_devices->topLevelItem(m_devices->topLevelItemCount() - 1);
    m_shownDevices = int(devices.size());
    if (toSelect)
        m_devices->setCurrentItem(toSelect);
    updateButtons();
}

void PairingWindow::showFailures()
{
    m_failures->clear();
    for (const FailedAttempt &attempt : m_service->failedAttempts()) {
        auto *item = new QTreeWidgetItem(m_failures);
        item->setText(0, attempt.address);
        item->setText(1, QLocale().toString(attempt.at.toLocalTime(), QLocale::ShortFormat));
        switch (attempt.what) {
        case FailedAttempt::What::PairingCode:
            item->setText(2, tr("a wrong pairing code"));
            break;
        case FailedAttempt::What::Key:
            item->setText(2, tr("a wrong key"));
            break;
        case FailedAttempt::What::Refused:
            item->setText(2, tr("refused: too many failures"));
            break;
        }
    }
}

void PairingWindow::updateButtons()
{
    const bool any = !selectedDevice().isEmpty();
    m_makeController->setEnabled(any);
    m_makeViewer->setEnabled(any);
    m_revoke->setEnabled(any);
}

QString PairingWindow::selectedDevice() const
{
    const QTreeWidgetItem *item = m_devices->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}
