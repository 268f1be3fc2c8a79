// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (the desktop logging out), SIGHUP and SIGINT turned into a signal of the event loop,
// so the program can close its window as if the operator had quit. The handler only writes a
// byte to a pipe; everything else happens in the loop.
class TerminationSignal : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignal(QObject *parent = nullptr);
    ~TerminationSignal() override;

signals:
    void received();

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
