// A session bus of a test's own that starts the programs of the services in
// a folder, with the environment of a run's programs; and the end of a
// program it started, as a session ends it.
#pragma once

#include "e2e/CalculatorRun.h"

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateBus final {
public:
    PrivateBus(const CalculatorRun& run, const QString& serviceFolder);
    ~PrivateBus();
    Q_DISABLE_COPY_MOVE(PrivateBus)

    // The test's connection to it; not connected when it did not start.
    QDBusConnection connection() const;

    // Asks the program `pid` to end (SIGTERM) and waits until it has.
    static bool terminate(qint64 pid, int timeoutMs);

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
};
