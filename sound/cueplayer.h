// SPDX-License-Identifier: MIT
#pragma once

#include "sound/soundcues.h"

#include <QtPlugin>

#include <memory>

// What plays the cues. It lives in a module of its own, loaded only when sounds are switched on,
// so that the program starts without the multimedia libraries; this side knows Qt Core alone.
class CuePlayer
{
public:
    virtual ~CuePlayer() = default;
    // 0 to 100.
    virtual void setVolume(int percent) = 0;
    // Plays at once; a cue still playing is cut short.
    virtual void play(SoundCues::Cue cue) = 0;
};

class CuePlayerModule
{
public:
    virtual ~CuePlayerModule() = default;
    virtual std::unique_ptr<CuePlayer> createPlayer() = 0;
};

#define CuePlayerModule_iid "org.lecternworks.timer.CuePlayerModule/1"
Q_DECLARE_INTERFACE(CuePlayerModule, CuePlayerModule_iid)
