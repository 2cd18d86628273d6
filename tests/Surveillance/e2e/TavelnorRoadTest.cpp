// The monitor drives the real calculator: a PPP link comes up in a sysfs
// tree of the test's own, a call starts on the default type and number (in
// the compact window, where X11 lets the test see it), the link goes down,
// the call stops and its record is in the month's log. The same road on
// X11, with no window system at all, and on a Wayland compositor.
#include "Surveillance/MonitorRig.h"
#include "e2e/CalculatorRun.h"
#include "e2e/WaitFor.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "common/LogFile.h"
#include "desktop/CaptionSearch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

using namespace BasOrvalis;

namespace {

const QString WaylandSocket = QStringLiteral("orvalis-test");
const QString NoTray = QStringLiteral("aucune zone de notification");

// The calculator's link item, asked directly over the bus.
QString calculatorStatus() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.orvalis.Orvalis"), QStringLiteral("/FrmPrincipale"),
        QStringLiteral("org.orvalis.Dde"), QStringLiteral("Request"));
    call << QStringLiteral("TxtDDE");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
    return reply.arguments().value(0).toString();
}

class TavelnorRoad : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CalculatorRun::busAvailable())
            GTEST_SKIP() << "needs a session bus (scripts/test)";
        SettingsStore store(run.storePath());
        store.write(Sections::Parametres, Keys::Initialisation, QStringLiteral("1"));
        store.write(Sections::Parametres, Keys::TypeDefaut, TypeText(CommunicationType::Standard));
        store.write(Sections::Parametres, Keys::NumeroDefaut, Numbers::AppelLocal);
        for (const char* key : {"StartOrvalis", "StartCalcul", "StartReduit"})
            store.write(Sections::Surveillance, QLatin1String(key), QStringLiteral("-1"));
        run.setEnvironment(QStringLiteral("ORVALIS_SYSFS_NET"), m_sysfs.path());
    }
    void TearDown() override {
        CalculatorRun::stop(m_monitor);
        CalculatorRun::stop(run.process());
        CalculatorRun::stop(m_weston);
    }

    // Both programs on `platform`, without the X display.
    void leaveX11(const QString& platform) {
        run.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), platform);
        run.removeEnvironment(QStringLiteral("DISPLAY"));
    }

    // A headless Weston in the run's runtime folder; false where it cannot start.
    bool startWeston() {
        const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (weston.isEmpty())
            return false;
        QProcessEnvironment environment = run.environment();
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_weston.setProcessEnvironment(environment);
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        m_weston.start(weston, {QStringLiteral("--backend=headless-backend.so"),
                                QStringLiteral("--socket=") + WaylandSocket,
                                QStringLiteral("--idle-time=0")});
        const QString socket = QDir(run.runtimeFolder()).filePath(WaylandSocket);
        return m_weston.waitForStarted(5000) &&
               waitFor(
                   [&] { return m_weston.state() == QProcess::Running && QFile::exists(socket); },
                   10000);
    }

    // The calculator's windows that bear its title.
    int calculatorWindows() const {
        return static_cast<int>(
            CaptionSearch::FindWindowsByCaption(QStringLiteral("Orvalis V3.04")).size());
    }

    void road(bool seesWindows) {
        ASSERT_TRUE(run.startAndWaitForBus(15000));
        m_monitor.setProcessEnvironment(run.environment());
        m_monitor.setReadChannel(QProcess::StandardError);
        m_monitor.start(CalculatorRun::builtProgram(QStringLiteral("Tavelnor")), {});
        ASSERT_TRUE(m_monitor.waitForStarted(5000));
        // Watching (its first tick runs as it tells there is no tray), the
        // link still down: the call waits for the link.
        ASSERT_TRUE(waitFor(
            [this] {
                m_monitor.waitForReadyRead(100);
                m_errors += QString::fromUtf8(m_monitor.readAllStandardError());
                return m_errors.contains(NoTray);
            },
            10000));
        QThread::msleep(500);
        EXPECT_EQ(calculatorStatus(), QStringLiteral("start"));

        writeInterface(m_sysfs.path(), QStringLiteral("ppp0"), "512", "0x1091", "unknown");
        ASSERT_TRUE(waitFor([] { return calculatorStatus() == QLatin1String("stop"); }, 10000));
        if (seesWindows) {
            // The hidden main window and the compact window.
            EXPECT_TRUE(waitFor([this] { return calculatorWindows() == 2; }, 5000));
        }
        QThread::msleep(2500);

        QDir(QDir(m_sysfs.path()).filePath(QStringLiteral("ppp0"))).removeRecursively();
        ASSERT_TRUE(waitFor([] { return calculatorStatus() == QLatin1String("start"); }, 10000));
        QVector<CallRecord> records;
        ASSERT_TRUE(LogFile::readAll(
            QDir(run.logFolder()).filePath(LogFile::monthlyName(QDate::currentDate())), &records));
        ASSERT_EQ(records.size(), 1);
        EXPECT_EQ(records.first().Libelle.trimmed(), QStringLiteral("Standard: Appel Local"));
        EXPECT_NE(records.first().Duree.trimmed(), QStringLiteral("00:00:00"));

        // It said once that there is no notification area; a signal ends it.
        m_monitor.terminate();
        ASSERT_TRUE(m_monitor.waitForFinished(10000));
        EXPECT_EQ(m_monitor.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(m_monitor.exitCode(), 0);
        m_errors += QString::fromUtf8(m_monitor.readAllStandardError());
        EXPECT_EQ(m_errors.count(NoTray), 1);
    }

    CalculatorRun run;

private:
    QTemporaryDir m_sysfs;
    QProcess m_monitor;
    QProcess m_weston;
    QString m_errors;
};

} // namespace

TEST_F(TavelnorRoad, OnX11) {
    if (!CalculatorRun::sessionAvailable())
        GTEST_SKIP() << "needs an X display (scripts/test)";
    road(true);
}

TEST_F(TavelnorRoad, WithoutAWindowSystem) {
    leaveX11(QStringLiteral("offscreen"));
    road(false);
}

TEST_F(TavelnorRoad, OnWayland) {
    if (!startWeston())
        GTEST_SKIP() << "Weston cannot start here";
    leaveX11(QStringLiteral("wayland"));
    run.setEnvironment(QStringLiteral("WAYLAND_DISPLAY"), WaylandSocket);
    road(false);
}
