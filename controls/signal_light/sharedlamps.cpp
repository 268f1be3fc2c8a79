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

void SharedLamps::setLit(const QSet<int> &codes)
{
    if (m_lit == codes)
        return;
    m_lit = codes;
    emit changed();
}

void SharedLamps::setMarked(bool marked)
{
    if (m_marked == marked)
        return;
    m_marked = marked;
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
    m_marked = false;
    emit changed();
}
