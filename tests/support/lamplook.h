// SPDX-License-Identifier: MIT
#pragma once

#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/shapecircle.h"

#include <QString>

// The look of a light's three lamps as text, such as "G-R": lit lamps by initial, dark ones "-".
inline QString lampLook(const HorizontalTimer &light)
{
    QString s;
    s += light.shapeTimerCircle(HorizontalTimer::Green)->isLit() ? u'G' : u'-';
    s += light.shapeTimerCircle(HorizontalTimer::Yellow)->isLit() ? u'Y' : u'-';
    s += light.shapeTimerCircle(HorizontalTimer::Red)->isLit() ? u'R' : u'-';
    return s;
}
