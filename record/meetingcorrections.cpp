// SPDX-License-Identifier: MIT
#include "record/meetingstore.h"

#include "record/meetingstore_p.h"

#include <optional>

namespace {

void keepAsTimed(SpeechRecord &s)
{
    if (s.byHand != SpeechRecord::ByHand::No)
        return;
    s.asTimed =
        SpeechRecord::AsTimed{s.rowIndex,       s.description, s.thresholdTexts, s.thresholdSeconds,
                              s.elapsedSeconds, s.lampReached, s.mistakenStart,  s.rehearsal};
    s.byHand = SpeechRecord::ByHand::Changed;
}

// The lamp and a mistaken start as the new values give them; the verdict follows from them.
void rejudge(SpeechRecord &s)
{
    s.lampReached = SpeechRecord::lampFor(s.thresholdSeconds, s.elapsedSeconds);
    s.mistakenStart = s.elapsedSeconds < SpeechRecord::MistakenStartSeconds &&
                      s.lampReached == SpeechRecord::Lamp::None;
}

} // namespace

namespace StoreInternals {

void applyCorrection(SpeechRecord &s, const SpeechEdit &e)
{
    switch (e.kind) {
    case SpeechEdit::Kind::Category:
        keepAsTimed(s);
        s.rowIndex = e.rowIndex;
        s.description = SpeechRecord::rowDescription(e.rowIndex);
        s.thresholdSeconds = e.thresholdSeconds;
        for (size_t i = 0; i < s.thresholdTexts.size(); ++i)
            s.thresholdTexts[i] = PlanEntry::thresholdText(e.thresholdSeconds[i]);
        s.rehearsal = e.rowIndex == SpeechCategories::TestRow;
        rejudge(s);
        break;
    case SpeechEdit::Kind::Elapsed:
        keepAsTimed(s);
        s.elapsedSeconds = e.elapsedSeconds;
        rejudge(s);
        break;
    case SpeechEdit::Kind::AsTimed:
        if (s.byHand == SpeechRecord::ByHand::Changed && s.asTimed) {
            const SpeechRecord::AsTimed &t = *s.asTimed;
            s.rowIndex = t.rowIndex;
            s.description = t.description;
            s.thresholdTexts = t.thresholdTexts;
            s.thresholdSeconds = t.thresholdSeconds;
            s.elapsedSeconds = t.elapsedSeconds;
            s.lampReached = t.lampReached;
            s.mistakenStart = t.mistakenStart;
            s.rehearsal = t.rehearsal;
            s.asTimed.reset();
            s.byHand = SpeechRecord::ByHand::No;
        }
        break;
    default:
        break;
    }
}

} // namespace StoreInternals

using namespace StoreInternals;

bool MeetingStore::changeCategory(qint64 speechId, int rowIndex,
                                  const std::array<int, 3> &thresholdSeconds)
{
    SpeechEdit change;
    change.kind = SpeechEdit::Kind::Category;
    change.speechId = speechId;
    change.rowIndex = rowIndex;
    change.thresholdSeconds = thresholdSeconds;
    return isCategoryRow(rowIndex) && correct(change);
}

bool MeetingStore::changeElapsed(qint64 speechId, int elapsedSeconds)
{
    SpeechEdit change;
    change.kind = SpeechEdit::Kind::Elapsed;
    change.speechId = speechId;
    change.elapsedSeconds = elapsedSeconds;
    return elapsedSeconds >= 0 && correct(change);
}

// The change, and the step that undoes it: back to what was timed the first time, else back
// to the values before it.
bool MeetingStore::correct(const SpeechEdit &change)
{
    const qint64 meetingId = meetingOf(change.speechId);
    std::optional<SpeechRecord> now;
    for (const SpeechRecord &s : meetingId > 0 ? speeches(meetingId) : QList<SpeechRecord>()) {
        if (s.id == change.speechId)
            now = s;
    }
    if (!now)
        return false;
    SpeechEdit back = change;
    if (now->byHand == SpeechRecord::ByHand::No) {
        back.kind = SpeechEdit::Kind::AsTimed;
    } else {
        back.rowIndex = now->rowIndex;
        back.thresholdSeconds = now->thresholdSeconds;
        back.elapsedSeconds = now->elapsedSeconds;
    }
    m_undo.append({{back}, 0});
    queue({change}, meetingId);
    return true;
}

bool MeetingStore::addSpeechByHand(qint64 meetingId, const QDateTime &startedAt,
                                   const QString &name, int rowIndex,
                                   const std::array<int, 3> &thresholdSeconds, int elapsedSeconds,
                                   int graceSeconds, qint64 plannedId)
{
    if (!isCategoryRow(rowIndex) || elapsedSeconds < 0 || !startedAt.isValid())
        return false;
    Pending pending{SpeechRecord::addedByHand(startedAt, rowIndex, thresholdSeconds, elapsedSeconds,
                                              graceSeconds),
                    meetingId <= 0 && m_newMeetingAsked, plannedRow(plannedId), meetingId,
                    m_nextSerial++};
    pending.speech.speakerName = cleanSpeakerName(name);
    if (pending.speech.speakerName.isEmpty())
        pending.speech.speakerName = pending.planned.speakerName;
    if (meetingId <= 0)
        m_newMeetingAsked = false;
    m_pending.append(pending);
    m_undo.append({{}, pending.serial});
    if (!flushPending(StopBusyTimeoutMs))
        emit changed(meetingId > 0 ? meetingId : currentMeetingId());
    return true;
}

bool MeetingStore::undo()
{
    if (m_undo.isEmpty())
        return false;
    const UndoStep step = m_undo.takeLast();
    if (step.addedSerial == 0) {
        if (const auto first = step.edits.cbegin(); first != step.edits.cend())
            queue(step.edits,
                  first->isPlanEdit() ? currentMeetingId() : meetingOf(first->speechId));
        return true;
    }
    // A speech added by hand and still waiting: it is simply not written.
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        if (m_pending.at(i).serial == step.addedSerial) {
            const qint64 meetingId = m_pending.takeAt(i).intoMeeting;
            flushPending(NeverWaitMs);
            emit changed(meetingId > 0 ? meetingId : currentMeetingId());
            break;
        }
    }
    return true;
}
