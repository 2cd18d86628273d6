// The remote control over a real session bus: a command that arrives while
// the window is busy gets its answer once the command has run; the monitor
// hears the warnings of the monthly budget.
#include "Orvalis/MainWindowFixture.h"

#include "common/RemoteControl.h"
#include "forms/DdeServer.h"
#include "monitor/BudgetWarnings.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSignalSpy>

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
    // program's name.
    static QDBusConnection publish(FrmPrincipale& frm) {
        QDBusConnection server = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                               QStringLiteral("orvalis-server"));
        EXPECT_TRUE(frm.ddeServer().publishOn(server));
        return server;
    }
    static QDBusConnection client() {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                             QStringLiteral("orvalis-client"));
    }

    // A call to the control from another connection.
    QDBusPendingCall callExecute(FrmPrincipale& frm, const QString& command) {
        const QDBusConnection server = publish(frm);
        QDBusMessage call =
            QDBusMessage::createMethodCall(server.baseService(), RemoteControl::ObjectPath,
                                           RemoteControl::InterfaceName, QStringLiteral("Execute"));
        call << command;
        return client().asyncCall(call);
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

TEST_F(DdeServerBusTest, TheMonitorHearsEachWarningOfTheBudget) {
    settings.BudgetMensuel = 10.f;
    settings.MoisBudget = QDate(WeekdayMorning().date().year(), WeekdayMorning().date().month(), 1);
    settings.DepensesMois = 7.f;
    FrmPrincipale& frm = window(WeekdayMorning());
    const QDBusConnection server = publish(frm);
    BudgetWarnings monitor(client(), server.baseService());
    ASSERT_TRUE(monitor.isListening());
    QSignalSpy heard(&monitor, &BudgetWarnings::warned);

    settings.DepensesMois = 8.f;
    tickAfter(1);
    settings.DepensesMois = 10.5f;
    tickAfter(1);
    processUntil([&] { return heard.count() == 2; });
    ASSERT_EQ(heard.count(), 2);
    EXPECT_EQ(heard.at(0), (QList<QVariant>{80, 8.0, 10.0}));
    EXPECT_EQ(heard.at(1), (QList<QVariant>{100, 10.5, 10.0}));
}
