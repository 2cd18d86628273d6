// The calculator started by the bus: on a private session bus whose
// configuration names a folder of service files, one of which starts the
// built calculator, the monitor's start of the calculator goes through the
// bus and not through the program folder.
#include "e2e/CalculatorRun.h"
#include "e2e/PrivateBus.h"
#include "monitor/BusCalculatorClient.h"
#include "monitor/CalculatorFinder.h"
#include "support/MonitorFakes.h"

#include "BasOrvalis/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

TEST(CalculatorActivation, TheBusStartsTheCalculatorThatAServiceFileNames) {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        GTEST_SKIP() << "needs dbus-daemon";
    CalculatorRun run;
    SettingsStore(run.storePath())
        .write(BasOrvalis::Sections::Parametres, BasOrvalis::Keys::Initialisation,
               QStringLiteral("1"));
    run.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A service folder naming the built calculator alone.
    QTemporaryDir services;
    QFile service(services.filePath(QStringLiteral("org.orvalis.Orvalis.service")));
    ASSERT_TRUE(service.open(QIODevice::WriteOnly));
    service.write(QStringLiteral("[D-BUS Service]\nName=org.orvalis.Orvalis\nExec=%1\n")
                      .arg(CalculatorRun::builtProgram(QStringLiteral("Orvalis")))
                      .toUtf8());
    service.close();
    PrivateBus bus(run, services.path());
    BusCalculatorClient client(bus.connection());
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
        EXPECT_TRUE(PrivateBus::terminate(calculator, 10000));
    }
}
