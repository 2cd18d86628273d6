// The watcher of the dial-up link: Timer1 looks at the link every 2500 ms
// while monitoring is on, and only a change acts. On a connection it finds
// or starts the calculator and, when it is idle, starts a call and opens the
// compact window as the options say; on a disconnection it stops the call
// of a calculator found busy.
#pragma once

#include "monitor/TrayState.h"

#include <QObject>
#include <QTimer>

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

private:
    void onConnection();
    void startCall();
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
};
