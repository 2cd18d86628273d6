// The calculator's budget signal, received on the bus.
#include "monitor/BudgetWarnings.h"

BudgetWarnings::BudgetWarnings(const QDBusConnection& connection, const QString& calculator,
                               QObject* parent)
    : QObject(parent) {
    // The bus delivers its signals to a slot named by its signature: Qt D-Bus
    // has no other way.
    m_listening = QDBusConnection(connection)
                      .connect(calculator, RemoteControl::ObjectPath, RemoteControl::InterfaceName,
                               RemoteControl::BudgetWarningSignal, this,
                               SLOT(BudgetWarning(int, double, double)));
}

void BudgetWarnings::BudgetWarning(int share, double spent, double budget) {
    emit warned(share, spent, budget);
}
