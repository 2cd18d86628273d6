// Requests with a short time limit, commands sent without waiting: a
// calculator that holds a command behind an open message never blocks the
// monitor.
#include "monitor/BusCalculatorClient.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

constexpr int RequestTimeoutMs = 3000;

QDBusMessage remoteCall(const QString& method, const QString& argument) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(RemoteControl::ServiceName, RemoteControl::ObjectPath,
                                       RemoteControl::InterfaceName, method);
    call << argument;
    return call;
}

} // namespace

BusCalculatorClient::BusCalculatorClient(const QDBusConnection& connection)
    : m_connection(connection) {}

bool BusCalculatorClient::isRunning() {
    if (!m_connection.isConnected())
        return false;
    const QDBusReply<bool> reply =
        m_connection.interface()->isServiceRegistered(RemoteControl::ServiceName);
    return reply.isValid() && reply.value();
}

qint64 BusCalculatorClient::processId() {
    if (!m_connection.isConnected())
        return 0;
    const QDBusReply<uint> reply = m_connection.interface()->servicePid(RemoteControl::ServiceName);
    return reply.isValid() ? reply.value() : 0;
}

std::optional<RemoteControl::Status> BusCalculatorClient::requestStatus() {
    if (!m_connection.isConnected())
        return std::nullopt;
    const QDBusMessage reply =
        m_connection.call(remoteCall(QStringLiteral("Request"), RemoteControl::StatusItem),
                          QDBus::Block, RequestTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return std::nullopt;
    return RemoteControl::parseStatus(reply.arguments().first().toString());
}

void BusCalculatorClient::sendCommand(RemoteControl::Command command) {
    if (m_connection.isConnected())
        m_connection.send(
            remoteCall(QStringLiteral("Execute"), RemoteControl::commandText(command)));
}

void BusCalculatorClient::whenRunning(int timeoutMs, QObject* context,
                                      std::function<void(bool running)> done) {
    // Watched before it is asked, so a name taken in between is not missed.
    auto* watch = new QDBusServiceWatcher(RemoteControl::ServiceName, m_connection,
                                          QDBusServiceWatcher::WatchForRegistration, context);
    auto* timeout = new QTimer(watch);
    timeout->setSingleShot(true);
    // Answered once; the watcher's own connections to the bus are left to
    // its deletion.
    const auto finish = [watch, done = std::move(done),
                         answered = std::make_shared<bool>(false)](bool running) {
        if (std::exchange(*answered, true))
            return;
        watch->deleteLater();
        done(running);
    };
    QObject::connect(watch, &QDBusServiceWatcher::serviceRegistered, watch,
                     [finish] { finish(true); });
    QObject::connect(timeout, &QTimer::timeout, watch, [finish] { finish(false); });
    timeout->start(timeoutMs);
    if (isRunning())
        finish(true);
}

bool BusCalculatorClient::isActivatable() {
    if (!m_connection.isConnected())
        return false;
    const QDBusReply<QStringList> names = m_connection.interface()->activatableServiceNames();
    return names.isValid() && names.value().contains(RemoteControl::ServiceName);
}

bool BusCalculatorClient::activate() {
    if (!m_connection.isConnected())
        return false;
    // The bus answers once the calculator holds its name, or fails to: the
    // wait for the name tells either way.
    const QDBusPendingCall call = m_connection.interface()->asyncCall(
        QStringLiteral("StartServiceByName"), RemoteControl::ServiceName, 0u);
    return !(call.isFinished() && call.isError());
}
