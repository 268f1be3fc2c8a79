// SPDX-License-Identifier: MIT
#pragma once

#include "sound/soundcues.h"

#include <QObject>
#include <QStringList>

#include <memory>

class CuePlayer;
class QTimer;

// The window's sounds: the cue player module, loaded the first time a sound is wanted, and the
// test that plays each cue in turn. Without the module or a sound device the cues stay silent,
// said once on standard error.
class CueSounds : public QObject
{
    Q_OBJECT

public:
    explicit CueSounds(QObject *parent = nullptr);
    ~CueSounds() override;

    // Loads the module now, so that the first cue plays at once.
    void prepare();
    void setVolume(int percent);
    void play(SoundCues::Cue cue);
    // Every cue in turn, a little apart.
    void playEach();
    // Whether the module is loaded; false until a sound is first wanted.
    bool isLoaded() const { return m_player != nullptr; }
    // Where the module is looked for, in order: beside the program (a build), then where the
    // package installs it.
    static QStringList moduleFolders();

private:
    void playNextOfEach();

    std::unique_ptr<CuePlayer> m_player;
    bool m_failed = false;
    int m_volume = SoundCues::DefaultVolume;
    QTimer *m_testTimer = nullptr;
    int m_nextTestCue = 0;
};
