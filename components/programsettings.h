// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QSettings>

// The program's remembered choices, in ~/.config/lecternworks-timer/lecternworks-timer.conf.
// The program names no organisation, and QSettings would otherwise file them under a made-up one.
class ProgramSettings : public QSettings
{
public:
    ProgramSettings()
        : QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName())
    {
    }
};
