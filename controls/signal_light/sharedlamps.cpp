// SPDX-License-Identifier: MIT
#include "controls/signal_light/sharedlamps.h"

#include "controls/signal_light/horizontaltimer.h"

SharedLamps::SharedLamps()
{
    restart();
}

SharedLamps &SharedLamps::instance()
{
    static SharedLamps lamps;
    return lamps;
}

void SharedLamps::setLit(int code, bool lit)
{
    if (isLit(code) == lit)
        return;
    if (lit)
        m_lit.insert(code);
    else
        m_lit.remove(code);
    emit changed();
}

void SharedLamps::setRedBlinkedOff(bool off)
{
    if (m_redBlinkedOff == off)
        return;
    m_redBlinkedOff = off;
    emit changed();
}

void SharedLamps::restart()
{
    m_lit = {HorizontalTimer::Green, HorizontalTimer::Yellow, HorizontalTimer::Red};
    m_redBlinkedOff = false;
    emit changed();
}
