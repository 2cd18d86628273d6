// A tariff engine on a settable clock, with scripted answers to its
// messages, its records kept in a list and its store in a temporary folder.
#pragma once

#include "engine/CallEngine.h"
#include "engine/CallLogSink.h"
#include "engine/ManualClock.h"

#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Messages.h"
#include "BasOrvalis/Settings.h"
#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QVector>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

// Answers the messages from a queue (No when it is empty) and keeps them.
class ScriptedMessages final : public BasOrvalis::MessagePresenter {
public:
    int ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber) override;

    std::deque<int> answers;
    QVector<BasOrvalis::ShownMessage> shown;
};

class CapturedLog final : public CallLogSink {
public:
    void append(const CallRecord& record) override { records.append(record); }

    QVector<CallRecord> records;
};

class RecordingHost final : public EngineHost {
public:
    void OpenServicesDialog(int page) override { pages.append(page); }

    QVector<int> pages;
};

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
    void startCall(const QString& type, const QString& number, const QDateTime& at,
                   int rateIndex = 0);
    // One tick every second for `seconds` seconds.
    void runFor(int seconds);
    // One tick at `seconds` after the start of the call.
    void tickAt(int seconds);

    BasOrvalis::Settings settings;
    ManualClock clock;
    ScriptedMessages messages;
    CapturedLog log;
    RecordingHost host;
    QTemporaryDir folder;
    std::unique_ptr<SettingsStore> store;

private:
    BasOrvalis::StartDate m_startDate;
    BasOrvalis::Holidays m_joursFeries{};
    QDateTime m_callStart;
    std::unique_ptr<CallEngine> m_engine;
};
