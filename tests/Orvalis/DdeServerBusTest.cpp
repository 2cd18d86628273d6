// The remote control over a real session bus: a command that arrives while
// the window is busy gets its answer once the command has run.
#include "Orvalis/MainWindowFixture.h"

#include "common/RemoteControl.h"
#include "forms/DdeServer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <functional>
#include <optional>

using namespace Orvalis;

namespace {

class DdeServerBusTest : public MainWindowFixture {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            GTEST_SKIP() << "needs a session bus (scripts/test)";
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("orvalis-server"));
        QDBusConnection::disconnectFromBus(QStringLiteral("orvalis-client"));
    }

    // The control published on a connection of its own, without taking the
    // program's name, and a call to it from another connection.
    QDBusPendingCall callExecute(FrmPrincipale& frm, const QString& command) {
        QDBusConnection server = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                               QStringLiteral("orvalis-server"));
        EXPECT_TRUE(server.registerObject(RemoteControl::ObjectPath, &frm.ddeServer(),
                                          QDBusConnection::ExportScriptableSlots));
        QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                               QStringLiteral("orvalis-client"));
        QDBusMessage call =
            QDBusMessage::createMethodCall(server.baseService(), RemoteControl::ObjectPath,
                                           RemoteControl::InterfaceName, QStringLiteral("Execute"));
        call << command;
        return client.asyncCall(call);
    }

    static void processUntil(const std::function<bool()>& done) {
        const QDeadlineTimer deadline(5000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
};

} // namespace

TEST_F(DdeServerBusTest, CommandHeldWhileBusyIsAnsweredOnceItHasRun) {
    FrmPrincipale& frm = window(WeekdayMorning());
    std::optional<QDBusPendingCall> call;
    {
        const BusyGate::Scope busy(frm.gate());
        call.emplace(callExecute(frm, QStringLiteral("Start")));
        processUntil([&] { return frm.ddeServer().pendingCount() == 1; });
        ASSERT_EQ(frm.ddeServer().pendingCount(), 1);
        EXPECT_FALSE(call->isFinished());
        EXPECT_FALSE(frm.engine().EnCours());
    }
    QDBusPendingCall& pending = *call;
    processUntil([&] { return pending.isFinished(); });
    ASSERT_TRUE(pending.isFinished());
    const QDBusPendingReply<bool> reply = pending;
    ASSERT_TRUE(reply.isValid()) << reply.error().message().toStdString();
    EXPECT_TRUE(reply.value());
    EXPECT_TRUE(frm.engine().EnCours());
}

TEST_F(DdeServerBusTest, RefusedCommandIsAnsweredAtOnceEvenWhenBusy) {
    FrmPrincipale& frm = window(WeekdayMorning());
    const BusyGate::Scope busy(frm.gate());
    QDBusPendingCall pending = callExecute(frm, QStringLiteral("pause"));
    processUntil([&] { return pending.isFinished(); });
    const QDBusPendingReply<bool> reply = pending;
    ASSERT_TRUE(reply.isValid());
    EXPECT_FALSE(reply.value());
    EXPECT_EQ(frm.ddeServer().pendingCount(), 0);
}
