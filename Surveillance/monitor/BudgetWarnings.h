// The warnings of the monthly budget that the calculator sends on the
// session bus, heard by the monitor whichever copy of the calculator runs,
// one started later included.
#pragma once

#include "common/RemoteControl.h"

#include <QDBusConnection>
#include <QObject>

class BudgetWarnings final : public QObject {
    Q_OBJECT

public:
    // Listens on `connection` to the signal of `calculator`, its bus name.
    explicit BudgetWarnings(const QDBusConnection& connection,
                            const QString& calculator = RemoteControl::ServiceName,
                            QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(BudgetWarnings)

    // False when the bus cannot be reached: no warning will come.
    bool isListening() const { return m_listening; }

signals:
    // The month's spending, `spent` francs, has reached `share` percent (80
    // or 100) of the budget of `budget` francs.
    void warned(int share, double spent, double budget);

private slots:
    void BudgetWarning(int share, double spent, double budget);

private:
    bool m_listening = false;
};
