// SPDX-License-Identifier: MIT
#include "sound/cuesounds.h"

#include "sound/cueplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <QTimer>

#include <cstdio>

namespace {

const QString ModuleName = QStringLiteral("lecternworks-timer-sound");
constexpr int TestGapMs = 1800;
constexpr SoundCues::Cue TestOrder[] = {SoundCues::Cue::OneChime, SoundCues::Cue::TwoChimes,
                                        SoundCues::Cue::ThreeChimes, SoundCues::Cue::Overtime};

} // namespace

CueSounds::CueSounds(QObject *parent) : QObject(parent) {}

CueSounds::~CueSounds() = default;

QStringList CueSounds::moduleFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), program.filePath(QStringLiteral(LW_SOUND_MODULE_FROM_BIN))};
}

void CueSounds::prepare()
{
    if (m_player || m_failed)
        return;
    QString errors;
    for (const QString &folder : moduleFolders()) {
        QPluginLoader loader(QDir(folder).filePath(ModuleName));
        if (auto *module = qobject_cast<CuePlayerModule *>(loader.instance())) {
            m_player = module->createPlayer();
            m_player->setVolume(m_volume);
            return;
        }
        errors = loader.errorString();
    }
    // Said once: the light goes on without sound.
    m_failed = true;
    std::fprintf(stderr, "%s: no sound module, the cues stay silent (%s)\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(errors));
}

void CueSounds::setVolume(int percent)
{
    m_volume = percent;
    if (m_player)
        m_player->setVolume(percent);
}

void CueSounds::play(SoundCues::Cue cue)
{
    if (cue == SoundCues::Cue::None)
        return;
    prepare();
    if (m_player)
        m_player->play(cue);
}

void CueSounds::playEach()
{
    if (!m_testTimer) {
        m_testTimer = new QTimer(this);
        m_testTimer->setInterval(TestGapMs);
        connect(m_testTimer, &QTimer::timeout, this, &CueSounds::playNextOfEach);
    }
    m_nextTestCue = 0;
    playNextOfEach();
    m_testTimer->start();
}

void CueSounds::playNextOfEach()
{
    if (m_nextTestCue >= int(std::size(TestOrder))) {
        m_testTimer->stop();
        return;
    }
    play(TestOrder[m_nextTestCue++]);
}
