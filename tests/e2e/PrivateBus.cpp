// The private session bus of a test.
#include "e2e/PrivateBus.h"
#include "e2e/WaitFor.h"

#include <QFile>
#include <QFileInfo>

#include <csignal>

namespace {

const QString ConnectionName = QStringLiteral("private-bus");

} // namespace

PrivateBus::PrivateBus(const CalculatorRun& run, const QString& serviceFolder) {
    const QString config = m_folder.filePath(QStringLiteral("session.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QStringLiteral("<busconfig><type>session</type>"
                              "<listen>unix:dir=%1</listen><servicedir>%2</servicedir>"
                              "<policy context=\"default\"><allow send_destination=\"*\"/>"
                              "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy>"
                              "</busconfig>")
                   .arg(m_folder.path(), serviceFolder)
                   .toUtf8());
    file.close();
    QProcessEnvironment environment = run.environment();
    // The programs it starts reach it, not the test's session bus.
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_daemon.setProcessEnvironment(environment);
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
    if (m_daemon.waitForStarted(10000) && m_daemon.waitForReadyRead(10000))
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
    QDBusConnection::disconnectFromBus(ConnectionName);
    CalculatorRun::stop(m_daemon);
}

QDBusConnection PrivateBus::connection() const {
    return m_address.isEmpty() ? QDBusConnection(QString())
                               : QDBusConnection::connectToBus(m_address, ConnectionName);
}

bool PrivateBus::terminate(qint64 pid, int timeoutMs) {
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    const QString process = QStringLiteral("/proc/%1").arg(pid);
    return waitFor([&process] { return !QFileInfo::exists(process); }, timeoutMs);
}
