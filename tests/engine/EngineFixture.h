// A tariff engine on a settable clock, with scripted answers to its
// messages, its records kept in a list and its store in a temporary folder.
#pragma once

#include "support/CapturedLog.h"
#include "support/RecordingHost.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryStore.h"

#include "engine/CallEngine.h"
#include "engine/ManualClock.h"

#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Settings.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <memory>

// A local date and time.
QDateTime At(int year, int month, int day, int hour, int minute, int second = 0);

class EngineFixture : public ::testing::Test {
protected:
    EngineFixture();

    // Builds the engine for the settings as they stand, the start date and
    // holidays of the clock's day.
    CallEngine& engine();
    // Selects type and number (and rate index for Kiosque Micro), sets the
    // clock, runs the hour ranges and starts the call.
    void startCall(BasOrvalis::CommunicationType type, const QString& number, const QDateTime& at,
                   int rateIndex = 0);
    // One tick every second for `seconds` seconds.
    void runFor(int seconds);
    // One tick at `seconds` after the start of the call.
    void tickAt(int seconds);
    // The calculator started again at `now` on the same store, messages and
    // log, with the settings the store holds, after the first ended or was
    // killed; loaded with `recovery` as its recovery file and `pending` as
    // its pending file when given.
    CallEngine& restartAt(const QDateTime& now, RecoveryFile* recovery = nullptr,
                          PendingFile* pending = nullptr);
    const BasOrvalis::Settings& restartedSettings() const { return m_restartedSettings; }

    BasOrvalis::Settings settings;
    ManualClock clock;
    // Questions are answered No unless a test scripts them.
    ScriptedMessages messages{BasOrvalis::MessageAnswer::No};
    CapturedLog log;
    RecordingHost host;
    TemporaryStore files;
    SettingsStore& store = files.store();

private:
    BasOrvalis::StartDate m_startDate;
    BasOrvalis::Holidays m_joursFeries{};
    QDateTime m_callStart;
    std::unique_ptr<CallEngine> m_engine;
    BasOrvalis::Settings m_restartedSettings;
    BasOrvalis::StartDate m_restartDate;
    BasOrvalis::Holidays m_restartHolidays{};
    std::unique_ptr<CallEngine> m_restarted;
};
