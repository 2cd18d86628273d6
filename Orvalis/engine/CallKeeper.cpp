// The call in progress on disk while it runs, and its recovery.
#include "engine/CallKeeper.h"

#include <QDir>

using namespace BasOrvalis;

CallKeeper::CallKeeper(Settings& settings, MessagePresenter& messages, CallRecorder& recorder,
                       BudgetWatch& budget)
    : m_settings(settings)
    , m_messages(messages)
    , m_recorder(recorder)
    , m_budget(budget) {}

void CallKeeper::begin(const CallInProgress& call) {
    m_tickKept = false;
    m_failureTold = false;
    m_kept = call.call.end;
    write(call, true);
}

void CallKeeper::keep(const CallInProgress& call) {
    // The first priced tick is kept besides the ten-second round, which
    // goes on from the start.
    if (m_tickKept)
        m_kept = call.call.end;
    m_tickKept = true;
    write(call, true);
}

void CallKeeper::keepAtStop(const CallInProgress& call) {
    write(call, false);
}

void CallKeeper::forget() {
    if (m_file)
        m_file->remove();
}

void CallKeeper::write(const CallInProgress& call, bool tellFailure) {
    if (!m_file)
        return;
    QString reason;
    if (m_file->keep(call, &reason) || !tellFailure || m_failureTold)
        return;
    m_failureTold = true;
    m_messages.ShowNotice(235, MessageStyle::Exclamation, 336, 436,
                          {QDir::toNativeSeparators(m_file->path()), reason});
}

CallKeeper::Recovery CallKeeper::recover(const QDateTime& now) {
    if (!m_file || !m_file->exists())
        return Recovery::Nothing;
    const std::optional<CallInProgress> kept = m_file->read();
    if (!kept) {
        m_file->setAside(now);
        return Recovery::Unreadable;
    }
    const CallSummary& call = kept->call;
    const std::optional<CallRecord> record = BuildCallRecord(call);
    if (record && m_recorder.holdsCall(*record, call.end)) {
        m_file->remove();
        return Recovery::Nothing;
    }
    // The store holds the total of the call's start, or, when the
    // calculator died within its stop, the total with the call: the total
    // kept with the call counts it once either way.
    if (record)
        m_recorder.append(*record, call.end);
    m_budget.countRecoveredCall(call.end, call.cost, m_settings.CoutTotal, call.total);
    m_settings.CoutTotal = call.total;
    m_recorder.saveTotal(call.type, kept->tempsRestant, m_budget.storedValues());
    m_file->remove();
    return record ? Recovery::Logged : Recovery::Nothing;
}
