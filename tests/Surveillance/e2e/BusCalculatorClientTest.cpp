// The wait for a calculator just started: answered once, as soon as its
// name appears on the bus, or when the time is up.
#include "monitor/BusCalculatorClient.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs an event loop for `ms`, as the program's would run.
void processFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

TEST(BusCalculatorClient, WaitsForTheCalculatorsNameOnTheBus) {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        GTEST_SKIP() << "needs a session bus (scripts/test)";
    BusCalculatorClient client(QDBusConnection::sessionBus());
    ASSERT_FALSE(client.isRunning());
    QObject context;
    QList<bool> answers;
    const auto answer = [&answers](bool running) { answers.append(running); };

    client.whenRunning(300, &context, answer);
    processFor(600);
    EXPECT_EQ(answers, QList<bool>{false});

    // The calculator takes its name a moment after the wait began.
    const QString name = QStringLiteral("calculator");
    answers.clear();
    client.whenRunning(5000, &context, answer);
    QTimer::singleShot(200, [&name] {
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)
            .registerService(RemoteControl::ServiceName);
    });
    processFor(1000);
    EXPECT_EQ(answers, QList<bool>{true});
    EXPECT_EQ(client.processId(), QCoreApplication::applicationPid());
    // Already there: answered at once.
    client.whenRunning(5000, &context, answer);
    EXPECT_EQ(answers, (QList<bool>{true, true}));
    QDBusConnection::disconnectFromBus(name);
}
