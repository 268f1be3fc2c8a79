// SPDX-License-Identifier: MIT
#include "app/settings.h"

#include "components/privatefile.h"
#include "sound/soundcues.h"
#include "timing/graceperiod.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>

#include <limits>

#include <algorithm>
#include <utility>

namespace {

struct Entry
{
    Settings::Choice choice;
    const char *key;
    QVariant fallback;
    // Converts a stored value to the choice's type; false when it is not one the program offers.
    bool (*read)(const QVariant &stored, QVariant &typed);
};

bool readGrace(const QVariant &stored, QVariant &typed)
{
    bool ok = false;
    const int seconds = stored.toInt(&ok);
    typed = seconds;
    return ok && GracePeriod::isChoice(seconds);
}

template <const auto &Offered> bool readOffered(const QVariant &stored, QVariant &typed)
{
    bool ok = false;
    const int value = stored.toInt(&ok);
    typed = value;
    return ok && std::find(Offered.begin(), Offered.end(), value) != Offered.end();
}

bool readBool(const QVariant &stored, QVariant &typed)
{
    // The file holds text; only what QSettings itself writes counts.
    const QString text = stored.toString();
    typed = text == QLatin1String("true");
    return stored.typeId() == QMetaType::Bool || text == QLatin1String("true") ||
           text == QLatin1String("false");
}

bool readText(const QVariant &stored, QVariant &typed)
{
    typed = stored.toString();
    return stored.canConvert<QString>();
}

// An IPv6 address, with its scope or without, or an IPv4 one in its dotted form, as the light's
// address box offers them: read with Qt Core alone, since Qt Network loads only with the light.
bool isIpAddress(const QString &text)
{
    if (text.contains(u':')) {
        QUrl url;
        url.setHost(u'[' + text.section(u'%', 0, 0) + u']', QUrl::StrictMode);
        return url.isValid() && !url.host().isEmpty();
    }
    const QStringList parts = text.split(u'.');
    return parts.size() == 4 && std::all_of(parts.begin(), parts.end(), [](const QString &part) {
               return !part.isEmpty() && part.size() <= 3 &&
                      std::all_of(part.begin(), part.end(),
                                  [](QChar c) { return c >= u'0' && c <= u'9'; }) &&
                      part.toUInt() <= 255;
           });
}

bool readAddress(const QVariant &stored, QVariant &typed)
{
    typed = stored.toString();
    return typed.toString().isEmpty() || isIpAddress(typed.toString());
}

bool readPort(const QVariant &stored, QVariant &typed)
{
    bool ok = false;
    const int port = stored.toInt(&ok);
    typed = port;
    return ok && port > 0 && port <= std::numeric_limits<quint16>::max();
}

const Entry Entries[] = {
    {Settings::Choice::GraceSeconds, "record/graceSeconds", int(GracePeriod::DefaultSeconds),
     readGrace},
    {Settings::Choice::FlashWhenOverTime, "light/flashWhenOverTime", false, readBool},
    {Settings::Choice::MarkTheLamps, "light/markTheLamps", false, readBool},
    {Settings::Choice::Sounds, "sound/on", false, readBool},
    {Settings::Choice::SoundRepeatSeconds, "sound/repeatSeconds", SoundCues::DefaultRepeat,
     readOffered<SoundCues::Repeats>},
    {Settings::Choice::SoundVolume, "sound/volume", SoundCues::DefaultVolume,
     readOffered<SoundCues::Volumes>},
    {Settings::Choice::SpeakerScreen, "speaker/screen", QString(), readText},
    {Settings::Choice::LastFolder, "report/lastFolder", QString(), readText},
    {Settings::Choice::LightAddress, "network/address", QString(), readAddress},
    {Settings::Choice::LightPort, "network/port", int(LightChoices::DefaultPort), readPort},
    {Settings::Choice::LightOnAtStart, "network/onAtStart", false, readBool},
    {Settings::Choice::LightDevices, "network/devices", QString(), readText},
    {Settings::Choice::MeetingTitle, "report/meetingTitle", QString(), readText},
    {Settings::Choice::TimerName, "report/timerName", QString(), readText},
    {Settings::Choice::PlanWaiting, "record/planWaiting", false, readBool},
    {Settings::Choice::CaptureWindow, "capture/window", QString(), readText},
};

const Entry &entry(Settings::Choice choice)
{
    for (const Entry &e : Entries) {
        if (e.choice == choice)
            return e;
    }
    Q_UNREACHABLE();
}

} // namespace

// The program names no organisation, and QSettings would otherwise file the choices under a
// made-up one.
Settings::Settings()
    : m_store(QCoreApplication::applicationName(), QCoreApplication::applicationName())
{
}

QVariant Settings::value(Choice choice) const
{
    const Entry &e = entry(choice);
    const QVariant stored = m_store.value(QLatin1String(e.key));
    QVariant typed;
    return stored.isValid() && e.read(stored, typed) ? typed : e.fallback;
}

void Settings::setValue(Choice choice, const QVariant &value)
{
    const Entry &e = entry(choice);
    QVariant typed;
    if (!e.read(value, typed))
        return;
    // It holds the paired devices' key hashes; rewriting it keeps its permissions.
    if (!std::exchange(m_madePrivate, true))
        PrivateFile::create(m_store.fileName());
    m_store.setValue(QLatin1String(e.key), typed);
}

int Settings::graceSeconds() const
{
    return value(Choice::GraceSeconds).toInt();
}

void Settings::setGraceSeconds(int seconds)
{
    setValue(Choice::GraceSeconds, seconds);
}

bool Settings::flashWhenOverTime() const
{
    return value(Choice::FlashWhenOverTime).toBool();
}

void Settings::setFlashWhenOverTime(bool on)
{
    setValue(Choice::FlashWhenOverTime, on);
}

bool Settings::markTheLamps() const
{
    return value(Choice::MarkTheLamps).toBool();
}

void Settings::setMarkTheLamps(bool on)
{
    setValue(Choice::MarkTheLamps, on);
}

bool Settings::sounds() const
{
    return value(Choice::Sounds).toBool();
}

void Settings::setSounds(bool on)
{
    setValue(Choice::Sounds, on);
}

int Settings::soundRepeatSeconds() const
{
    return value(Choice::SoundRepeatSeconds).toInt();
}

void Settings::setSoundRepeatSeconds(int seconds)
{
    setValue(Choice::SoundRepeatSeconds, seconds);
}

int Settings::soundVolume() const
{
    return value(Choice::SoundVolume).toInt();
}

void Settings::setSoundVolume(int percent)
{
    setValue(Choice::SoundVolume, percent);
}

QString Settings::speakerScreen() const
{
    return value(Choice::SpeakerScreen).toString();
}

void Settings::setSpeakerScreen(const QString &name)
{
    setValue(Choice::SpeakerScreen, name);
}

QString Settings::captureWindow() const
{
    return value(Choice::CaptureWindow).toString();
}

void Settings::setCaptureWindow(const QString &remembered)
{
    setValue(Choice::CaptureWindow, remembered);
}

QString Settings::lastFolder() const
{
    return value(Choice::LastFolder).toString();
}

void Settings::setLastFolder(const QString &folder)
{
    setValue(Choice::LastFolder, folder);
}

LightChoices Settings::lightChoices() const
{
    LightChoices choices;
    choices.address = value(Choice::LightAddress).toString();
    choices.port = quint16(value(Choice::LightPort).toInt());
    choices.onAtStart = value(Choice::LightOnAtStart).toBool();
    return choices;
}

void Settings::setLightChoices(const LightChoices &choices)
{
    setValue(Choice::LightAddress, choices.address);
    setValue(Choice::LightPort, int(choices.port));
    setValue(Choice::LightOnAtStart, choices.onAtStart);
}

QByteArray Settings::lightDevices() const
{
    return value(Choice::LightDevices).toString().toUtf8();
}

void Settings::setLightDevices(const QByteArray &devices)
{
    setValue(Choice::LightDevices, QString::fromUtf8(devices));
}

QString Settings::meetingTitle() const
{
    return value(Choice::MeetingTitle).toString();
}

void Settings::setMeetingTitle(const QString &title)
{
    setValue(Choice::MeetingTitle, title);
}

QString Settings::timerName() const
{
    return value(Choice::TimerName).toString();
}

void Settings::setTimerName(const QString &name)
{
    setValue(Choice::TimerName, name);
}

bool Settings::planWaiting() const
{
    return value(Choice::PlanWaiting).toBool();
}

bool Settings::planWaitingKnown() const
{
    return m_store.contains(QLatin1String(entry(Choice::PlanWaiting).key));
}

void Settings::setPlanWaiting(bool waiting)
{
    if (waiting != planWaiting() || !planWaitingKnown())
        setValue(Choice::PlanWaiting, waiting);
}

void Settings::clear()
{
    m_store.clear();
}
