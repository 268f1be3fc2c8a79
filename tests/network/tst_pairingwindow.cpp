// SPDX-License-Identifier: MIT
#include "network/lightservice.h"
#include "network/pairingwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTreeWidget>

#include <memory>

// The operator's window and the server behind it on its own thread, on 127.0.0.1.
class TestPairingWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void nothingListensWhileOff();
    void aPortTaken();
    void noAddressNoSwitch();
    void escapeCloses();
    void deviceNames_data();
    void deviceNames();
    void failuresListed();

private:
    bool answers() const;

    quint16 m_port = 0;
    std::unique_ptr<LightService> m_service;
    std::unique_ptr<PairingWindow> m_window;
};

void TestPairingWindow::init()
{
    // A port free a moment ago, handed to the window as the operator's choice.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    m_port = probe.serverPort();
    probe.close();
    m_window.reset();
    m_service = std::make_unique<LightService>();
    LightChoices choices;
    choices.address = QStringLiteral("127.0.0.1");
    choices.port = m_port;
    m_window = std::make_unique<PairingWindow>(m_service.get(), choices);
}

bool TestPairingWindow::answers() const
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_port);
    return socket.waitForConnected(1000);
}

void TestPairingWindow::nothingListensWhileOff()
{
    QVERIFY(!m_window->switchBox()->isChecked());
    QVERIFY(!answers());
    QVERIFY(m_window->qrLabel()->pixmap().isNull());
    m_window->switchBox()->setChecked(true);
    QTRY_VERIFY(m_service->isListening());
    QVERIFY(answers());
    QTRY_VERIFY(m_window->urlLabel()->text().startsWith(
        QStringLiteral("http://127.0.0.1:%1/#pair=").arg(m_port)));
    QVERIFY(!m_window->qrLabel()->pixmap().isNull());
    m_window->switchBox()->setChecked(false);
    QTRY_VERIFY(!m_service->isListening());
    QVERIFY(!answers());
    QVERIFY(m_window->urlLabel()->text().isEmpty());
}

void TestPairingWindow::aPortTaken()
{
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::LocalHost, m_port));
    m_window->switchBox()->setChecked(true);
    QTRY_VERIFY(m_window->messageLabel()->text().contains(QStringLiteral("taken")));
    QVERIFY(!m_window->switchBox()->isChecked());
    QSignalSpy chosen(m_window.get(), &PairingWindow::choicesChanged);
    m_window->portBox()->setValue(m_port + 1);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().value<LightChoices>().port, m_port + 1);
}

void TestPairingWindow::noAddressNoSwitch()
{
    m_window->addressBox()->setCurrentIndex(0);
    QVERIFY(!m_window->switchBox()->isEnabled());
    QVERIFY(m_window->choices().address.isEmpty());
}

void TestPairingWindow::escapeCloses()
{
    m_window->show();
    QTest::keyClick(m_window->deviceList(), Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
}

void TestPairingWindow::deviceNames_data()
{
    QTest::addColumn<QString>("agent");
    QTest::addColumn<QString>("listed");
    QTest::newRow("Chrome on a phone")
        << "Mozilla/5.0 (Linux; Android 10; K) AppleWebKit/537.36 (KHTML, like Gecko) "
           "Chrome/120.0.0.0 Mobile Safari/537.36"
        << "Chrome on Android";
    QTest::newRow("Safari on an iPhone")
        << "Mozilla/5.0 (iPhone; CPU iPhone OS 17_1 like Mac OS X) AppleWebKit/605.1.15 "
           "(KHTML, like Gecko) Version/17.1 Mobile/15E148 Safari/604.1"
        << "Safari on iPhone";
    QTest::newRow("Edge says Chrome too")
        << "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
           "Chrome/120.0.0.0 Safari/537.36 Edg/120.0.0.0"
        << "Edge on Windows";
    QTest::newRow("Firefox on Linux")
        << "Mozilla/5.0 (X11; Linux x86_64; rv:121.0) Gecko/20100101 Firefox/121.0"
        << "Firefox on Linux";
    QTest::newRow("a name of its own") << "video" << "video";
}

void TestPairingWindow::deviceNames()
{
    QFETCH(QString, agent);
    QFETCH(QString, listed);
    PairedDevice device;
    device.id = QStringLiteral("1");
    device.agent = agent;
    m_service->setDevices({device});
    const PairingWindow window(m_service.get(), m_window->choices());
    QCOMPARE(window.deviceList()->topLevelItem(0)->text(0), listed);
    QCOMPARE(window.deviceList()->topLevelItem(0)->toolTip(0), agent);
}

void TestPairingWindow::failuresListed()
{
    m_window->switchBox()->setChecked(true);
    QTRY_VERIFY(m_service->isListening());
    for (int i = 0; i < 5; ++i) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        socket.write(QStringLiteral("GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:%1\r\n"
                                    "Authorization: Bearer wrong\r\n\r\n")
                         .arg(m_port)
                         .toLatin1());
        QVERIFY(socket.waitForReadyRead(2000));
    }
    // The newest first: the refusal the fifth wrong key started.
    const QTreeWidget *list = m_window->failureList();
    QTRY_COMPARE(list->topLevelItemCount(), 6);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("127.0.0.1"));
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("refused: too many failures"));
    QCOMPARE(list->topLevelItem(5)->text(2), QStringLiteral("a wrong key"));
}

QTEST_MAIN(TestPairingWindow)
#include "tst_pairingwindow.moc"
