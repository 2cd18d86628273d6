// The calculator of an end-to-end test and its remote control.
#include "e2e/CalculatorFixture.h"
#include "e2e/WaitFor.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QDBusReply>
#include <QFile>

using namespace BasOrvalis;

QString request(QDBusInterface& control) {
    const QDBusReply<QString> reply =
        control.call(QStringLiteral("Request"), QStringLiteral("TxtDDE"));
    return reply.isValid() ? reply.value() : QStringLiteral("<no answer>");
}

bool execute(QDBusInterface& control, const QString& command) {
    const QDBusReply<bool> reply = control.call(QStringLiteral("Execute"), command);
    return reply.isValid() && reply.value();
}

void writeDefaults(const CalculatorRun& run) {
    SettingsStore store(run.storePath());
    store.write(Sections::Parametres, Keys::Initialisation, QStringLiteral("1"));
    store.write(Sections::Parametres, Keys::TypeDefaut, TypeText(CommunicationType::Standard));
    store.write(Sections::Parametres, Keys::NumeroDefaut, Numbers::AppelLocal);
}

bool waitUntilGone(const QString& path, int timeoutMs) {
    return waitFor([&path] { return !QFile::exists(path); }, timeoutMs);
}

void OrvalisEndToEnd::SetUp() {
    if (!CalculatorRun::sessionAvailable())
        GTEST_SKIP() << "needs an X display and a session bus (scripts/test)";
    writeDefaults(run);
}

void OrvalisEndToEnd::startCalculator(const QString& instant) {
    if (!instant.isEmpty())
        run.fakeTime(instant);
    ASSERT_TRUE(run.startAndWaitForBus(15000));
    m_bus = std::make_unique<QDBusInterface>(
        QStringLiteral("org.orvalis.Orvalis"), QStringLiteral("/FrmPrincipale"),
        QStringLiteral("org.orvalis.Dde"), QDBusConnection::sessionBus());
    ASSERT_TRUE(m_bus->isValid());
}
