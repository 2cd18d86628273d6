// The D-Bus control, with the commands held while the window is busy.
#include "forms/DdeServer.h"

#include "forms/BusyGate.h"
#include "forms/DdeTarget.h"

namespace Orvalis {

DdeServer::DdeServer(DdeTarget& target, BusyGate& gate, QObject* parent)
    : QObject(parent)
    , m_target(target)
    , m_gate(gate) {
    connect(&m_gate, &BusyGate::released, this, &DdeServer::runPending);
}

bool DdeServer::registerOn(QDBusConnection connection) {
    return publishOn(connection) && connection.registerService(RemoteControl::ServiceName);
}

bool DdeServer::publishOn(QDBusConnection connection) {
    if (!connection.isConnected() ||
        !connection.registerObject(RemoteControl::ObjectPath, this,
                                   QDBusConnection::ExportScriptableSlots))
        return false;
    m_connection = connection;
    return true;
}

void DdeServer::sendBudgetWarning(int share, double spent, double budget) {
    QDBusMessage signal =
        QDBusMessage::createSignal(RemoteControl::ObjectPath, RemoteControl::InterfaceName,
                                   RemoteControl::BudgetWarningSignal);
    signal << share << spent << budget;
    m_connection.send(signal);
}

QString DdeServer::Request(const QString& item) {
    if (item.compare(RemoteControl::StatusItem, Qt::CaseInsensitive) == 0)
        return m_target.ddeText();
    return QString();
}

bool DdeServer::Execute(const QString& text) {
    const std::optional<RemoteControl::Command> command = RemoteControl::parseCommand(text);
    if (!command)
        return false;
    if (!m_gate.busy() && m_pending.isEmpty())
        return m_target.runDdeCommand(*command);
    // Held in arrival order; the caller over the bus gets its answer then.
    Pending pending{*command, QDBusMessage(), QDBusConnection(QString())};
    if (calledFromDBus()) {
        setDelayedReply(true);
        pending.call = message();
        pending.connection = connection();
    }
    m_pending.append(pending);
    return true;
}

void DdeServer::runPending() {
    while (!m_gate.busy() && !m_pending.isEmpty()) {
        const Pending pending = m_pending.takeFirst();
        const bool accepted = m_target.runDdeCommand(pending.command);
        if (pending.call.type() == QDBusMessage::MethodCallMessage)
            pending.connection.send(pending.call.createReply(accepted));
    }
}

} // namespace Orvalis
