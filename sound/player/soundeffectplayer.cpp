// SPDX-License-Identifier: MIT
// The cue player module: each cue a sound effect, loaded when the module is, ready to start at
// once. A missing or busy sound device is said once on standard error and the cues stay silent.
#include "sound/cueplayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>

#include <cstdio>
#include <map>

namespace {

const std::map<SoundCues::Cue, QString> CueFiles{
    {SoundCues::Cue::OneChime, QStringLiteral("qrc:/cues/chime1.wav")},
    {SoundCues::Cue::TwoChimes, QStringLiteral("qrc:/cues/chime2.wav")},
    {SoundCues::Cue::ThreeChimes, QStringLiteral("qrc:/cues/chime3.wav")},
    {SoundCues::Cue::Overtime, QStringLiteral("qrc:/cues/overtime.wav")},
};

// Qt's own complaint when it finds no sound server; the player says it in its one line instead.
const QString SoundServerComplaint = QStringLiteral("PulseAudioService:");
QtMessageHandler passedOn = nullptr;

void withoutSoundServerComplaint(QtMsgType type, const QMessageLogContext &context,
                                 const QString &message)
{
    if (!message.startsWith(SoundServerComplaint) && passedOn)
        passedOn(type, context, message);
}

bool haveSoundDevice()
{
    passedOn = qInstallMessageHandler(withoutSoundServerComplaint);
    const bool have = !QMediaDevices::defaultAudioOutput().isNull();
    qInstallMessageHandler(passedOn);
    return have;
}

class SoundEffectPlayer : public CuePlayer
{
public:
    SoundEffectPlayer()
    {
        // Without a device every cue would complain again; there is nothing to play on.
        if (!haveSoundDevice()) {
            complain("no sound device");
            return;
        }
        for (const auto &[cue, file] : CueFiles) {
            auto effect = std::make_unique<QSoundEffect>();
            QSoundEffect *e = effect.get();
            QObject::connect(e, &QSoundEffect::statusChanged, e, [this, e] {
                if (e->status() == QSoundEffect::Error)
                    complain("the sound device refused a cue");
            });
            e->setSource(QUrl(file));
            m_effects[cue] = std::move(effect);
        }
    }

    void setVolume(int percent) override
    {
        for (auto &entry : m_effects)
            entry.second->setVolume(percent / 100.0);
    }

    void play(SoundCues::Cue cue) override
    {
        const auto found = m_effects.find(cue);
        if (found == m_effects.end())
            return;
        for (auto &entry : m_effects)
            entry.second->stop();
        found->second->play();
    }

private:
    void complain(const char *what)
    {
        if (m_complained)
            return;
        m_complained = true;
        std::fprintf(stderr, "%s: %s, the cues stay silent\n",
                     qPrintable(QCoreApplication::applicationName()), what);
    }

    std::map<SoundCues::Cue, std::unique_ptr<QSoundEffect>> m_effects;
    bool m_complained = false;
};

} // namespace

class SoundEffectModule : public QObject, public CuePlayerModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CuePlayerModule_iid)
    Q_INTERFACES(CuePlayerModule)

public:
    std::unique_ptr<CuePlayer> createPlayer() override
    {
        return std::make_unique<SoundEffectPlayer>();
    }
};

#include "soundeffectplayer.moc"
