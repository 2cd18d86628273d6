// The tick and the drive of the calculator.
#include "monitor/ConnectionWatcher.h"

#include "monitor/CalculatorClient.h"
#include "monitor/CalculatorFinder.h"
#include "monitor/ModemLink.h"
#include "monitor/MonitorOptions.h"

using RemoteControl::Command;
using RemoteControl::Status;

ConnectionWatcher::ConnectionWatcher(const ModemLink& link, CalculatorFinder& finder,
                                     CalculatorClient& client, const MonitorOptions& options,
                                     QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_finder(finder)
    , m_client(client)
    , m_options(options) {
    m_Timer1.setInterval(IntervalMs);
    connect(&m_Timer1, &QTimer::timeout, this, &ConnectionWatcher::Timer1_Timer);
}

void ConnectionWatcher::start() {
    m_Timer1.start();
    setState(TrayState::Disconnected);
    Timer1_Timer();
}

void ConnectionWatcher::Timer1_Timer() {
    if (m_ticksToCallCheck > 0 && --m_ticksToCallCheck == 0)
        checkCallStarted();
    const bool connected = m_link.IsModemConnected();
    if (connected == m_connected)
        return;
    m_connected = connected;
    ++m_changes;
    m_ticksToCallCheck = 0;
    setState(connected ? TrayState::Connected : TrayState::Disconnected);
    if (!m_options.isChecked(MonitorOption::StartOrvalis))
        return;
    if (connected)
        onConnection();
    else
        onDisconnection();
}

void ConnectionWatcher::ToggleMonitoring() {
    if (monitoring()) {
        if (m_connected)
            return;
        m_Timer1.stop();
        setState(TrayState::Off);
    } else {
        m_Timer1.start();
        setState(TrayState::Disconnected);
    }
}

void ConnectionWatcher::onConnection() {
    if (m_client.isRunning()) {
        m_finder.FindOrvalis(true);
        startCall();
        return;
    }
    if (!m_finder.startCalculator()) {
        tellNotTimed(NotTimedReason::CannotStart);
        return;
    }
    // Just started: nothing is asked before it holds its name on the bus.
    const int change = m_changes;
    m_client.whenRunning(StartWaitMs, this, [this, change](bool running) {
        if (change != m_changes)
            return;
        if (running)
            startCall();
        else
            tellNotTimed(NotTimedReason::NotOnBus);
    });
}

void ConnectionWatcher::startCall() {
    const std::optional<Status> status = m_client.requestStatus();
    if (!status) {
        tellNotTimed(NotTimedReason::NoAnswer);
        return;
    }
    // A calculator already busy times the connection in its call.
    if (*status != Status::Idle)
        return;
    if (m_options.isChecked(MonitorOption::StartCalcul)) {
        m_client.sendCommand(Command::Start);
        m_ticksToCallCheck = CallCheckTicks;
    }
    if (m_options.isChecked(MonitorOption::StartReduit))
        m_client.sendCommand(Command::ShowCompact);
}

void ConnectionWatcher::checkCallStarted() {
    // A state that cannot be read says nothing either way.
    if (m_client.requestStatus() == Status::Idle)
        tellNotTimed(NotTimedReason::Refused);
}

void ConnectionWatcher::tellNotTimed(NotTimedReason reason) {
    // Without a call asked for on connection, no connection is timed.
    if (m_options.isChecked(MonitorOption::StartCalcul))
        emit notTimed(reason);
}

void ConnectionWatcher::onDisconnection() {
    const bool found = m_finder.FindOrvalis(false);
    if (found && m_client.requestStatus() == Status::Busy) {
        m_client.sendCommand(Command::HideCompact);
        m_client.sendCommand(Command::Stop);
    }
}

void ConnectionWatcher::setState(TrayState state) {
    m_state = state;
    emit stateChanged(state);
}
