// The calculator's remote control reached on a D-Bus connection: its name
// org.orvalis.Orvalis, object /FrmPrincipale, interface org.orvalis.Dde.
#pragma once

#include "monitor/CalculatorClient.h"

#include <QDBusConnection>

class BusCalculatorClient final : public CalculatorClient {
public:
    explicit BusCalculatorClient(const QDBusConnection& connection);

    bool isRunning() override;
    qint64 processId() override;
    std::optional<RemoteControl::Status> requestStatus() override;
    void sendCommand(RemoteControl::Command command) override;
    void whenRunning(int timeoutMs, QObject* context,
                     std::function<void(bool running)> done) override;
    bool isActivatable() override;
    bool activate() override;

private:
    QDBusConnection m_connection;
};
