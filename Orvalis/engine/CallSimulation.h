// A call run second by second on a settable clock, exactly as the main
// window runs it: the command line prices calls with it and the benchmark
// times it. Every question is answered with one fixed answer; the records are
// kept instead of written.
#pragma once

#include "engine/CallEngine.h"
#include "engine/CallLogSink.h"
#include "engine/ManualClock.h"

#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Messages.h"
#include "BasOrvalis/Settings.h"
#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVector>

#include <optional>

struct SimulatedCall {
    QDateTime start;
    QDateTime stop;
    float cost = 0.f; // CoutAppel at the stop
    QTime duration;   // the duration shown at the stop
    // The message of the pricing procedure that stopped the call.
    std::optional<BasOrvalis::ShownMessage> stoppedBy;
    // The package time left after the call; none for other types.
    std::optional<QTime> remaining;
    std::optional<CallRecord> record;
};

class CallSimulation final : private BasOrvalis::MessagePresenter, private CallLogSink {
public:
    // The settings are the simulation's own copy; `store` receives the writes
    // of the engine. `answerYes` answers every question Yes (else No).
    CallSimulation(const BasOrvalis::Settings& settings, SettingsStore& store,
                   const QDateTime& start, bool answerYes);
    Q_DISABLE_COPY_MOVE(CallSimulation)

    // Selects the type, the number and, for Kiosque Micro, the rate text (an
    // empty text keeps the first entry). False with a message when the window
    // would not offer them.
    bool select(BasOrvalis::CommunicationType type, const QString& number, const QString& rate,
                QString& error);
    // Start at the start instant, one tick at every whole second up to `end`,
    // then a stop at `end` unless the call was stopped before.
    void run(const QDateTime& end);

    const QVector<SimulatedCall>& calls() const { return m_calls; }
    float total() const { return m_settings.CoutTotal; }
    const CallEngine& engine() const { return m_engine; }

private:
    int ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber,
                    const QStringList& arguments) override;
    bool append(const CallRecord& record, const QDateTime& writtenAt,
                WriteFailure* failure) override;
    QVector<CallRecord> recordsOfMonth(const QDateTime& writtenAt) const override;
    void onStarted();
    void onStopped();

    BasOrvalis::Settings m_settings;
    BasOrvalis::StartDate m_startDate;
    BasOrvalis::Holidays m_joursFeries;
    ManualClock m_clock;
    bool m_answerYes;
    CallEngine m_engine;
    QVector<SimulatedCall> m_calls;
    std::optional<CallRecord> m_lastRecord;
    // A pricing procedure stopped the call: its message is the next one.
    bool m_awaitingStopMessage = false;
    bool m_stoppingAtEnd = false;
};
