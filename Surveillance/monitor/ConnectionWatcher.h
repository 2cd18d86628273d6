// The watcher of the dial-up link: Timer1 looks at the link every 2500 ms
// while monitoring is on, and only a change acts. On a connection it finds
// or starts the calculator and, when it is idle, starts a call and opens the
// compact window as the options say; on a disconnection it stops the call
// of a calculator found busy. A connection that the options would time but
// that is not timed is told, with the reason.
#pragma once

#include "monitor/TrayState.h"

#include <QObject>
#include <QTimer>

// Why a connection is not timed although the options ask for a call.
enum class NotTimedReason {
    CannotStart, // the calculator could not be started
    NotOnBus,    // started, it did not take its name on the bus in time
    NoAnswer,    // it runs but does not answer
    Refused,     // it still reads "start" after "Start" was sent
};

class CalculatorClient;
class CalculatorFinder;
class ModemLink;
class MonitorOptions;

class ConnectionWatcher final : public QObject {
    Q_OBJECT

public:
    static constexpr int IntervalMs = 2500;
    // How long a calculator just started is waited for on the bus.
    static constexpr int StartWaitMs = 8000;
    // The calculator refuses a call it cannot price at its first tick, a
    // second after "Start": its state is read again at the second tick
    // after the command, at least one interval later.
    static constexpr int CallCheckTicks = 2;

    ConnectionWatcher(const ModemLink& link, CalculatorFinder& finder, CalculatorClient& client,
                      const MonitorOptions& options, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ConnectionWatcher)

    // Start-up: the disconnected face, one tick at once (a link already up
    // is a new connection), then Timer1.
    void start();
    void Timer1_Timer();
    // Switches monitoring off (only while disconnected: Timer1 stops, the
    // grey face) or back on (Timer1 starts, the disconnected face; the next
    // tick takes a link that came up meanwhile as a change).
    void ToggleMonitoring();

    bool monitoring() const { return m_Timer1.isActive(); }
    bool connected() const { return m_connected; }
    TrayState state() const { return m_state; }

signals:
    void stateChanged(TrayState state);
    // The connection that just came up is not being timed.
    void notTimed(NotTimedReason reason);

private:
    void onConnection();
    void startCall();
    void checkCallStarted();
    void tellNotTimed(NotTimedReason reason);
    void onDisconnection();
    void setState(TrayState state);

    const ModemLink& m_link;
    CalculatorFinder& m_finder;
    CalculatorClient& m_client;
    const MonitorOptions& m_options;
    QTimer m_Timer1;
    bool m_connected = false;
    TrayState m_state = TrayState::Disconnected;
    // Counts the changes of the link, so that a wait for the calculator
    // that ends after a newer change does nothing.
    int m_changes = 0;
    // Ticks left before the state is read again after "Start"; 0 for none.
    int m_ticksToCallCheck = 0;
};
