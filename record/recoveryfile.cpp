// SPDX-License-Identifier: MIT
#include "record/recoveryfile.h"

#include "components/checkedsave.h"
#include "components/privatefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace RecoveryFile {

namespace {

const QString Format = QStringLiteral("lecternworks-timer recovery");
constexpr int FormatVersion = 1;
const QString NameTemplate = QStringLiteral("lecternworks-timer-recovery-%1.json");
// Matched by hand rather than by a name filter, which would compile a regular expression at
// every start for folders that hardly ever hold one.
const QString NamePrefix = NameTemplate.section(QLatin1String("%1"), 0, 0);
const QString NameSuffix = NameTemplate.section(QLatin1String("%1"), 1);
// Larger than any record of a meeting could be; a file past it is not one of ours.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

QJsonArray toJson(const std::array<int, 3> &seconds)
{
    return {seconds[0], seconds[1], seconds[2]};
}

bool secondsFrom(const QJsonValue &v, std::array<int, 3> &seconds)
{
    const QJsonArray a = v.toArray();
    for (int i = 0; i < a.size() && i < 3; ++i)
        seconds[size_t(i)] = a.at(i).toInt();
    return a.size() == 3;
}

QJsonObject toJson(const PlanEntry &row)
{
    return {{"id", QString::number(row.id)},
            {"speakerName", row.speakerName},
            {"rowIndex", row.rowIndex},
            {"thresholdTexts",
             QJsonArray{row.thresholdTexts[0], row.thresholdTexts[1], row.thresholdTexts[2]}},
            {"thresholdSeconds", toJson(row.thresholdSeconds)}};
}

std::optional<PlanEntry> planFrom(const QJsonValue &v)
{
    const QJsonObject o = v.toObject();
    bool ok = false;
    PlanEntry row;
    row.id = o.value("id").toString().toLongLong(&ok);
    const QJsonArray texts = o.value("thresholdTexts").toArray();
    if (!ok || texts.size() != 3 || !secondsFrom(o.value("thresholdSeconds"), row.thresholdSeconds))
        return std::nullopt;
    row.speakerName = o.value("speakerName").toString();
    row.rowIndex = o.value("rowIndex").toInt();
    for (int i = 0; i < 3; ++i)
        row.thresholdTexts[size_t(i)] = texts.at(i).toString();
    return row;
}

QJsonObject toJson(const Recovery::Speech &pending)
{
    const SpeechRecord &s = pending.record;
    QJsonArray texts, seconds;
    for (size_t i = 0; i < s.thresholdTexts.size(); ++i) {
        texts.append(s.thresholdTexts[i]);
        seconds.append(s.thresholdSeconds[i]);
    }
    return {
        {"startedUtcMs", QString::number(s.startedAt.toMSecsSinceEpoch())},
        {"startedUtcOffset", s.startedAt.offsetFromUtc()},
        {"rowIndex", s.rowIndex},
        {"description", s.description},
        {"thresholdTexts", texts},
        {"thresholdSeconds", seconds},
        {"elapsedSeconds", s.elapsedSeconds},
        {"lamp", int(s.lampReached)},
        {"stopped", s.stopped},
        {"mistakenStart", s.mistakenStart},
        {"rehearsal", s.rehearsal},
        {"graceSeconds", s.graceSeconds},
        {"speakerName", s.speakerName},
        {"startedBy", s.startedBy},
        {"stoppedBy", s.stoppedBy},
        {"beginsMeeting", pending.beginsMeeting},
        {"byHand", int(s.byHand)},
        {"planned", pending.planned.id != 0 ? QJsonValue(toJson(pending.planned)) : QJsonValue()},
        {"intoMeeting", QString::number(pending.intoMeeting)},
    };
}

std::optional<Recovery::Speech> speechFrom(const QJsonObject &o)
{
    bool ok = false;
    const qint64 utcMs = o.value("startedUtcMs").toString().toLongLong(&ok);
    const QJsonArray texts = o.value("thresholdTexts").toArray();
    const QJsonArray seconds = o.value("thresholdSeconds").toArray();
    const int lamp = o.value("lamp").toInt(-1);
    if (!ok || texts.size() != 3 || seconds.size() != 3 || lamp < 0 || lamp > 3)
        return std::nullopt;
    Recovery::Speech pending;
    SpeechRecord &s = pending.record;
    s.startedAt = QDateTime::fromMSecsSinceEpoch(utcMs, Qt::OffsetFromUTC,
                                                 o.value("startedUtcOffset").toInt());
    s.rowIndex = o.value("rowIndex").toInt();
    s.description = o.value("description").toString();
    for (int i = 0; i < 3; ++i) {
        s.thresholdTexts[size_t(i)] = texts.at(i).toString();
        s.thresholdSeconds[size_t(i)] = seconds.at(i).toInt();
    }
    s.elapsedSeconds = o.value("elapsedSeconds").toInt();
    s.lampReached = SpeechRecord::Lamp(lamp);
    s.stopped = o.value("stopped").toBool();
    s.mistakenStart = o.value("mistakenStart").toBool();
    s.rehearsal = o.value("rehearsal").toBool();
    s.graceSeconds = o.value("graceSeconds").toInt();
    s.speakerName = o.value("speakerName").toString();
    // Absent from the files of older versions: the window's own.
    s.startedBy = o.value("startedBy").toString();
    s.stoppedBy = o.value("stoppedBy").toString();
    pending.beginsMeeting = o.value("beginsMeeting").toBool();
    s.byHand = SpeechRecord::ByHand(
        qBound(0, o.value("byHand").toInt(), int(SpeechRecord::ByHand::Added)));
    if (o.value("planned").isObject()) {
        const auto planned = planFrom(o.value("planned"));
        if (!planned)
            return std::nullopt;
        pending.planned = *planned;
    }
    pending.intoMeeting = o.value("intoMeeting").toString().toLongLong();
    return pending;
}

QJsonObject toJson(const SpeechEdit &edit)
{
    QJsonArray planned;
    for (const PlanEntry &row : edit.planned)
        planned.append(toJson(row));
    return {{"kind", int(edit.kind)},
            {"speechId", QString::number(edit.speechId)},
            {"name", edit.name},
            {"rowIndex", edit.rowIndex},
            {"thresholdSeconds", toJson(edit.thresholdSeconds)},
            {"elapsedSeconds", edit.elapsedSeconds},
            {"planned", planned},
            {"beforeId", QString::number(edit.beforeId)}};
}

std::optional<SpeechEdit> editFrom(const QJsonObject &o)
{
    bool ok = false;
    SpeechEdit edit;
    edit.speechId = o.value("speechId").toString().toLongLong(&ok);
    const int kind = o.value("kind").toInt(-1);
    if (!ok || kind < int(SpeechEdit::Kind::Name) || kind > int(SpeechEdit::Kind::PlanLink))
        return std::nullopt;
    edit.kind = SpeechEdit::Kind(kind);
    edit.name = o.value("name").toString();
    edit.rowIndex = o.value("rowIndex").toInt();
    secondsFrom(o.value("thresholdSeconds"), edit.thresholdSeconds);
    edit.elapsedSeconds = o.value("elapsedSeconds").toInt();
    edit.beforeId = o.value("beforeId").toString().toLongLong();
    for (const QJsonValue &v : o.value("planned").toArray()) {
        const auto row = planFrom(v);
        if (!row)
            return std::nullopt;
        edit.planned.append(*row);
    }
    return edit;
}

QString stateFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + u'/' + QCoreApplication::applicationName();
}

} // namespace

QStringList folders()
{
    return {stateFolder(), QDir::homePath(), QDir::tempPath()};
}

QString write(const Recovery &recovery, QString *error)
{
    QJsonArray speeches, edits;
    for (const Recovery::Speech &s : recovery.speeches)
        speeches.append(toJson(s));
    for (const SpeechEdit &e : recovery.edits)
        edits.append(toJson(e));
    const QByteArray bytes = QJsonDocument(QJsonObject{{"format", Format},
                                                       {"version", FormatVersion},
                                                       {"speeches", speeches},
                                                       {"edits", edits}})
                                 .toJson();
    const QString name = NameTemplate.arg(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    QStringList failures;
    for (const QString &folder : folders()) {
        const QString path = QDir(folder).filePath(name);
        const QString why =
            PrivateFile::makeFolder(folder)
                ? saveWhole(path,
                            [&bytes](QSaveFile &file) { return file.write(bytes) == bytes.size(); })
                : QStringLiteral("cannot make the folder");
        if (why.isEmpty())
            return path;
        failures << QStringLiteral("%1: %2").arg(path, why);
    }
    if (error)
        *error = failures.join(QStringLiteral("; "));
    return QString();
}

std::optional<Recovery> read(const QString &path, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > MaxBytes)
        return fail(QStringLiteral("too large to be a recovery file"));
    QJsonParseError parse;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &parse).object();
    if (parse.error != QJsonParseError::NoError || root.value("format").toString() != Format)
        return fail(QStringLiteral("not a recovery file"));
    if (root.value("version").toInt() > FormatVersion)
        return fail(QStringLiteral("written by a newer version"));
    Recovery recovery;
    for (const QJsonValue &v : root.value("speeches").toArray()) {
        const auto speech = speechFrom(v.toObject());
        if (!speech)
            return fail(QStringLiteral("a speech in it cannot be read"));
        recovery.speeches.append(*speech);
    }
    for (const QJsonValue &v : root.value("edits").toArray()) {
        const auto edit = editFrom(v.toObject());
        if (!edit)
            return fail(QStringLiteral("a change in it cannot be read"));
        recovery.edits.append(*edit);
    }
    return recovery;
}

QStringList waiting()
{
    QStringList found;
    for (const QString &folder : folders()) {
        QStringList names;
        for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
            const QString name = it.nextFileInfo().fileName();
            if (name.startsWith(NamePrefix) && name.endsWith(NameSuffix))
                names << name;
        }
        names.sort();
        for (const QString &name : std::as_const(names))
            found << QDir(folder).filePath(name);
    }
    return found;
}

} // namespace RecoveryFile
