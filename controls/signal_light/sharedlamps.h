// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSet>

// What every light in the process shows, held once: which lamps are lit, and whether the lit red
// lamp is drawn dark for the moment (the overtime flash). Every light shows it again when it
// announces a change, so all of them change in the same paint.
class SharedLamps : public QObject
{
    Q_OBJECT

public:
    static SharedLamps &instance();

    bool isLit(int code) const { return m_lit.contains(code); }
    void setLit(int code, bool lit);
    bool redBlinkedOff() const { return m_redBlinkedOff; }
    void setRedBlinkedOff(bool off);
    // As at program start: every lamp lit until the first reset, the red steady.
    void restart();

signals:
    void changed();

private:
    SharedLamps();

    QSet<int> m_lit;
    bool m_redBlinkedOff = false;
};
