// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSet>

// What every light in the process shows, held once: which lamps are lit, whether the lit red
// lamp is drawn dark for the moment (the overtime flash) and whether lit lamps carry their marks.
// Every light shows it again when it announces a change, so all of them change in the same paint.
class SharedLamps : public QObject
{
    Q_OBJECT

public:
    static SharedLamps &instance();

    bool isLit(int code) const { return m_lit.contains(code); }
    // Every lamp at once, so that a colour step is one change, not a lamp going out and another
    // lighting.
    void setLit(const QSet<int> &codes);
    bool redBlinkedOff() const { return m_redBlinkedOff; }
    void setRedBlinkedOff(bool off);
    // Options ▸ Mark the Lamps: a letter inside each lit lamp, for those who cannot tell the
    // colours apart.
    bool marked() const { return m_marked; }
    void setMarked(bool marked);
    // As at program start: every lamp lit until the first reset, the red steady, no marks.
    void restart();

signals:
    void changed();

private:
    SharedLamps();

    QSet<int> m_lit;
    bool m_redBlinkedOff = false;
    bool m_marked = false;
};
