// The client side of the log viewer's bus service.
#include "desktop/JournalViewer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace JournalViewer {

namespace {

// The viewer answers at once and does the work afterwards.
constexpr int ReplyTimeoutMs = 5000;

} // namespace

bool handOver(const QStringList& arguments) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(ServiceName))
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(ServiceName, ObjectPath, InterfaceName, CommandLineMethod);
    call << arguments;
    const QDBusReply<bool> reply = bus.call(call, QDBus::Block, ReplyTimeoutMs);
    return reply.isValid() && reply.value();
}

} // namespace JournalViewer
