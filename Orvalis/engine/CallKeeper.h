// The call in progress kept against a crash: written to the recovery file
// at its start, right after its first priced tick and then at least every
// KeepPeriod seconds, finished at its stop, and logged at the next start
// when a calculator killed before its end left it there.
#pragma once

#include "engine/BudgetWatch.h"
#include "engine/CallRecorder.h"
#include "engine/RecoveryFile.h"

#include "BasOrvalis/Messages.h"
#include "BasOrvalis/Settings.h"

#include <QDateTime>

class CallKeeper final {
public:
    CallKeeper(BasOrvalis::Settings& settings, BasOrvalis::MessagePresenter& messages,
               CallRecorder& recorder, BudgetWatch& budget);
    Q_DISABLE_COPY_MOVE(CallKeeper)

    // Without a file (null, the default) nothing is kept.
    void setRecoveryFile(RecoveryFile* file) { m_file = file; }
    static constexpr int KeepPeriod = 10;

    // The call kept at its start. A call that cannot be kept is told in a
    // notice that holds nothing up, once per call.
    void begin(const CallInProgress& call);
    // True when the tick at `now` keeps the call: its first priced tick,
    // and each time KeepPeriod seconds of the clock have passed either way
    // since it was last kept at its start or by a round.
    bool due(const QDateTime& now) const {
        return m_file && (!m_tickKept || qAbs(m_kept.secsTo(now)) >= KeepPeriod);
    }
    void keep(const CallInProgress& call);
    // At the stop, before its writes: the call kept exactly as it is logged
    // now, so that a stop cut short is finished at the next start as it
    // would have been.
    void keepAtStop(const CallInProgress& call);
    // After the stop's writes.
    void forget();

    enum class Recovery { Nothing, Logged, Unreadable };
    // At start: a call left in the file is logged and its total stored,
    // once, whatever the dead calculator had stored; a call whose record is
    // already logged (its stop was cut short after the record) is neither
    // logged nor counted again, in the total or in the month's spending; an
    // unreadable file is set aside at `now`.
    Recovery recover(const QDateTime& now);

private:
    void write(const CallInProgress& call, bool tellFailure);

    BasOrvalis::Settings& m_settings;
    BasOrvalis::MessagePresenter& m_messages;
    CallRecorder& m_recorder;
    BudgetWatch& m_budget;
    RecoveryFile* m_file = nullptr;
    // The instant of the call kept at its start or last round.
    QDateTime m_kept;
    // The call has been kept by a tick.
    bool m_tickKept = false;
    // The user has been told that this call cannot be kept.
    bool m_failureTold = false;
};
