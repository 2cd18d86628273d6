// The D-Bus control, with the commands held while the window is busy.
#include "forms/DdeServer.h"

#include "forms/BusyGate.h"
#include "forms/DdeTarget.h"

namespace Orvalis {

const QString DdeServer::ServiceName = QStringLiteral("org.orvalis.Orvalis");
const QString DdeServer::ObjectPath = QStringLiteral("/FrmPrincipale");

DdeServer::DdeServer(DdeTarget& target, BusyGate& gate, QObject* parent)
    : QObject(parent)
    , m_target(target)
    , m_gate(gate) {
    connect(&m_gate, &BusyGate::released, this, &DdeServer::runPending);
}

bool DdeServer::registerOn(QDBusConnection connection) {
    if (!connection.isConnected())
        return false;
    if (!connection.registerObject(ObjectPath, this, QDBusConnection::ExportScriptableSlots))
        return false;
    return connection.registerService(ServiceName);
}

bool DdeServer::isKnownCommand(const QString& command) {
    const QString word = command.toLower();
    return word == QLatin1String("start") || word == QLatin1String("stop") ||
           word == QLatin1String("reduite=1") || word == QLatin1String("reduite=0");
}

QString DdeServer::Request(const QString& item) {
    if (item.compare(QLatin1String("TxtDDE"), Qt::CaseInsensitive) == 0)
        return m_target.ddeText();
    return QString();
}

bool DdeServer::Execute(const QString& command) {
    if (!isKnownCommand(command))
        return false;
    if (!m_gate.busy() && m_pending.isEmpty())
        return m_target.runDdeCommand(command);
    // Held in arrival order; the caller over the bus gets its answer then.
    Pending pending{command, QDBusMessage(), QDBusConnection(QString())};
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
