// SPDX-License-Identifier: MIT
#include "app/soundlink.h"

#include "app/settings.h"
#include "sound/cuesounds.h"

#include <QAction>
#include <QActionGroup>
#include <QTimer>

namespace {

void checkValue(QActionGroup *group, int value)
{
    for (QAction *item : group->actions())
        item->setChecked(item->data().toInt() == value);
}

} // namespace

SoundLink::SoundLink(Settings *settings, QObject *parent)
    : QObject(parent), m_settings(settings), m_player(new CueSounds(this))
{
    m_player->setVolume(m_settings->soundVolume());
}

void SoundLink::setItems(QAction *sounds, QActionGroup *repeats, QActionGroup *volumes)
{
    m_sounds = sounds;
    m_repeats = repeats;
    m_volumes = volumes;
}

void SoundLink::start(const std::array<int, 3> &thresholdSeconds)
{
    m_cues.start(thresholdSeconds);
    if (m_sounds->isChecked())
        QTimer::singleShot(0, m_player, &CueSounds::prepare);
}

void SoundLink::tick(qint16 elapsedSeconds, int lampsLit)
{
    if (!m_sounds->isChecked()) {
        // Off, the cues only follow the lamps, so that sounds switched on mid-speech never chime
        // for a lamp lit before; the settings are not read every second for nothing.
        m_cues.tick(elapsedSeconds, lampsLit, [] { return 0; }, [] { return 0; });
        return;
    }
    const SoundCues::Cue cue = m_cues.tick(
        elapsedSeconds, lampsLit, [this] { return m_settings->graceSeconds(); },
        [this] { return m_settings->soundRepeatSeconds(); });
    m_player->play(cue);
}

void SoundLink::soundsChosen()
{
    m_sounds->setChecked(!m_sounds->isChecked());
    m_settings->setSounds(m_sounds->isChecked());
    if (m_sounds->isChecked())
        m_player->prepare();
}

void SoundLink::repeatChosen(qint16 repeatSeconds)
{
    m_settings->setSoundRepeatSeconds(repeatSeconds);
    checkValue(m_repeats, m_settings->soundRepeatSeconds());
}

void SoundLink::volumeChosen(qint16 percent)
{
    m_settings->setSoundVolume(percent);
    checkValue(m_volumes, m_settings->soundVolume());
    m_player->setVolume(m_settings->soundVolume());
}

void SoundLink::testChosen()
{
    m_player->playEach();
}
