// The calculator started by the bus: on a private session bus whose
// configuration names a folder of service files, one of which starts the
// built calculator, the monitor's start of the calculator goes through the
// bus and not through the program folder.
#include "e2e/CalculatorRun.h"
#include "monitor/BusCalculatorClient.h"
#include "monitor/CalculatorFinder.h"
#include "support/MonitorFakes.h"

#include "BasOrvalis/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

// A bus daemon of the test's own, listening in `folder`, that starts the
// services of `folder`/services: the calculator's alone.
class PrivateBus final {
public:
    explicit PrivateBus(const QString& folder)
        : m_folder(folder) {}
    ~PrivateBus() { CalculatorRun::stop(m_daemon); }

    QString address() const { return QStringLiteral("unix:path=") + m_folder.filePath("bus"); }
    // Started with `environment`, which the services it starts inherit, and
    // the calculator's service file, naming `calculator`.
    bool start(QProcessEnvironment environment, const QString& calculator) {
        const QString configuration = m_folder.filePath(QStringLiteral("bus.conf"));
        const bool written =
            m_folder.mkpath(QStringLiteral("services")) &&
            writeFile(
                QDir(servicesFolder()).filePath(QStringLiteral("org.orvalis.Orvalis.service")),
                QStringLiteral("[D-BUS Service]\nName=org.orvalis.Orvalis\nExec=%1\n")
                    .arg(calculator)) &&
            writeFile(
                configuration,
                QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus "
                               "Configuration 1.0//EN\" "
                               "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                               "<busconfig>\n"
                               "  <type>session</type>\n"
                               "  <listen>%1</listen>\n"
                               "  <servicedir>%2</servicedir>\n"
                               "  <policy context=\"default\">\n"
                               "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                               "    <allow eavesdrop=\"true\"/>\n"
                               "    <allow own=\"*\"/>\n"
                               "  </policy>\n"
                               "</busconfig>\n")
                    .arg(address(), servicesFolder()));
        if (!written)
            return false;
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address());
        m_daemon.setProcessEnvironment(environment);
        m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + configuration,
                        QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        return m_daemon.waitForReadyRead(10000);
    }

private:
    QString servicesFolder() const { return m_folder.filePath(QStringLiteral("services")); }

    QDir m_folder;
    QProcess m_daemon;
};

} // namespace

TEST(CalculatorActivation, TheBusStartsTheCalculatorThatAServiceFileNames) {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        GTEST_SKIP() << "needs dbus-daemon";
    CalculatorRun run;
    SettingsStore(run.storePath())
        .write(BasOrvalis::Sections::Parametres, BasOrvalis::Keys::Initialisation,
               QStringLiteral("1"));
    run.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QTemporaryDir folder;
    PrivateBus bus(folder.path());
    ASSERT_TRUE(
        bus.start(run.environment(), CalculatorRun::builtProgram(QStringLiteral("Orvalis"))));

    const QString name = QStringLiteral("private-bus");
    BusCalculatorClient client(QDBusConnection::connectToBus(bus.address(), name));
    FakeMonitorDesktop desktop;
    CalculatorFinder finder(client, desktop, QStringLiteral("/opt/orvalis"));
    ASSERT_FALSE(client.isRunning());
    ASSERT_TRUE(client.isActivatable());

    EXPECT_TRUE(finder.startCalculator());
    std::optional<bool> running;
    QEventLoop loop;
    QObject context;
    client.whenRunning(15000, &context, [&](bool up) {
        running = up;
        loop.quit();
    });
    if (!running)
        loop.exec();
    EXPECT_EQ(running, true);
    EXPECT_EQ(client.requestStatus(), RemoteControl::Status::Idle);
    EXPECT_TRUE(desktop.started.isEmpty()) << "nothing started from the program folder";

    // Ended as a session ends it, before its home goes.
    if (const qint64 calculator = client.processId()) {
        ::kill(static_cast<pid_t>(calculator), SIGTERM);
        const QDeadlineTimer deadline(10000);
        while (client.isRunning() && !deadline.hasExpired())
            QThread::msleep(100);
    }
    QDBusConnection::disconnectFromBus(name);
}
