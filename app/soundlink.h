// SPDX-License-Identifier: MIT
#pragma once

#include "sound/soundcues.h"

#include <QObject>

#include <array>

class CueSounds;
class QAction;
class QActionGroup;
class Settings;

// The sounds as the window uses them: the cue of each tick, played while Options ▸ Sounds is
// on, and what the Sounds items do. The player's module loads only once a sound is wanted.
class SoundLink : public QObject
{
    Q_OBJECT

public:
    SoundLink(Settings *settings, QObject *parent);

    CueSounds *player() const { return m_player; }
    // The items the window made for the sounds, checked as the settings remember.
    void setItems(QAction *sounds, QActionGroup *repeats, QActionGroup *volumes);

    // A new speech, with its thresholds as timed.
    void start(const std::array<int, 3> &thresholdSeconds);
    // Each tick, with the seconds counted and the lamps lit (0 to 3).
    void tick(qint16 elapsedSeconds, int lampsLit);

    void soundsChosen();
    void repeatChosen(qint16 repeatSeconds);
    void volumeChosen(qint16 percent);
    void testChosen();

private:
    Settings *m_settings = nullptr;
    CueSounds *m_player = nullptr;
    SoundCues m_cues;
    QAction *m_sounds = nullptr;
    QActionGroup *m_repeats = nullptr;
    QActionGroup *m_volumes = nullptr;
};
