// The calculator's remote control on the session bus: service
// org.orvalis.Orvalis, object /FrmPrincipale, interface org.orvalis.Dde.
// Request("TxtDDE") reads the state; Execute runs "start", "stop",
// "reduite=1" or "reduite=0" (any case) and refuses anything else. A command
// that arrives while the window is busy (a tick, a message box waiting) is
// held and run, and answered, once the window is free. The calculator also
// sends the signal BudgetWarning(idd) there.
#pragma once

#include "common/RemoteControl.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QString>

namespace Orvalis {

class BusyGate;
class DdeTarget;

class DdeServer final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.orvalis.Dde")

public:
    DdeServer(DdeTarget& target, BusyGate& gate, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(DdeServer)

    // Publishes the object and takes the service name; false when the bus
    // cannot be reached or the name is taken.
    bool registerOn(QDBusConnection connection);
    // Publishes the object alone.
    bool publishOn(QDBusConnection connection);

    // Sends the signal that the month's spending, `spent` francs, reached
    // `share` percent of the monthly budget of `budget` francs, where the
    // object is published.
    void sendBudgetWarning(int share, double spent, double budget);

    // Commands held until the window is free.
    int pendingCount() const { return static_cast<int>(m_pending.size()); }

public slots:
    Q_SCRIPTABLE QString Request(const QString& item);
    Q_SCRIPTABLE bool Execute(const QString& text);

private:
    struct Pending {
        RemoteControl::Command command;
        // The call to answer; empty when the command did not come over the bus.
        QDBusMessage call;
        QDBusConnection connection;
    };

    void runPending();

    DdeTarget& m_target;
    BusyGate& m_gate;
    QList<Pending> m_pending;
    // Where the object is published; none until it is.
    QDBusConnection m_connection{QString()};
};

} // namespace Orvalis
