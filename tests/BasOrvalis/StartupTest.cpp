// The start-up of the calculator: first-start clean-up, start date,
// holidays and settings.
#include "BasOrvalis/Startup.h"
#include "BasOrvalis/FirstRunCleanup.h"
#include "BasOrvalis/SettingsKeys.h"
#include "support/TemporaryStore.h"

#include <gtest/gtest.h>

namespace {

using namespace BasOrvalis;

class StartupTest : public ::testing::Test {
protected:
    SettingsStore& store() { return m_temporary.store(); }
    StartupState start(const QDate& today = QDate(1999, 6, 15)) {
        return RunStartup(store(), today);
    }

private:
    TemporaryStore m_temporary;
};

TEST_F(StartupTest, EmptyStoreWritesOnlyTheMark) {
    start();
    EXPECT_EQ(store().keys(Sections::Parametres), QStringList{Keys::Initialisation});
    EXPECT_EQ(store().read(Sections::Parametres, Keys::Initialisation), QStringLiteral("1"));
    EXPECT_TRUE(store().keys(Sections::Tarification).isEmpty());
    EXPECT_TRUE(store().keys(Sections::ServicesFt).isEmpty());
}

TEST_F(StartupTest, EmptyStoreGivesEveryDefault) {
    const Settings settings = start().settings;
    const Settings defaults;
    for (const SettingsKey& entry : SettingsKeys()) {
        EXPECT_EQ(StoredTextOf(settings, entry), StoredTextOf(defaults, entry))
            << entry.field.toStdString();
    }
    // The documented defaults themselves.
    EXPECT_FLOAT_EQ(settings.CoutTotal, 0.f);
    EXPECT_FLOAT_EQ(settings.TarifCreditTemps, 0.742f);
    EXPECT_EQ(settings.TempsForfaitLocal, QTime(6, 0));
    EXPECT_EQ(settings.TempsLibreAcces, QTime(20, 0));
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(settings.NumerosPrimaliste[n], Numbers::NonConfigure);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(settings.ZonesPrimaliste[n], 1);
    EXPECT_EQ(settings.TypeDefaut, CommunicationType::FaitesUneSelection);
    EXPECT_EQ(settings.NumeroDefaut, FaitesUneSelection);
    EXPECT_FALSE(settings.PersoReductions);
}

TEST_F(StartupTest, FirstStartDeletesObsoleteKeysAndMonitorSection) {
    const QString obsolete[] = {
        QStringLiteral("Jour Férié: Lundi de Pâques"),
        QStringLiteral("Jour Férié: Jeudi de l'Ascension"),
        QStringLiteral("Jour Férié: Lundi de Pentecôte"),
        QStringLiteral("Journal : Enregistrements"),
        QStringLiteral("Orvalis : Hwnd"),
        QStringLiteral("Orvalis : Path"),
    };
    for (const QString& key : obsolete)
        store().write(Sections::Parametres, key, QStringLiteral("x"));
    store().write(Sections::Parametres, Keys::CoutTotal, QStringLiteral("12,5"));
    store().write(Sections::Surveillance, QStringLiteral("Option"), QStringLiteral("-1"));
    store().write(QStringLiteral("Recent Files"), QStringLiteral("File1"), QStringLiteral("a.ccm"));

    const StartupState state = start();

    QStringList kept = store().keys(Sections::Parametres);
    kept.sort();
    EXPECT_EQ(kept, (QStringList{Keys::CoutTotal, Keys::Initialisation}));
    EXPECT_TRUE(store().keys(Sections::Surveillance).isEmpty());
    EXPECT_EQ(store().read(QStringLiteral("Recent Files"), QStringLiteral("File1")),
              QStringLiteral("a.ccm"));
    EXPECT_FLOAT_EQ(state.settings.CoutTotal, 12.5f);
}

TEST_F(StartupTest, MarkedStoreKeepsMonitorSection) {
    store().write(Sections::Parametres, Keys::Initialisation, QStringLiteral("1"));
    store().write(Sections::Surveillance, QStringLiteral("Option"), QStringLiteral("-1"));
    store().write(Sections::Parametres, QStringLiteral("Orvalis : Path"), QStringLiteral("x"));
    start();
    EXPECT_EQ(store().read(Sections::Surveillance, QStringLiteral("Option")), QStringLiteral("-1"));
    EXPECT_TRUE(store().contains(Sections::Parametres, QStringLiteral("Orvalis : Path")));
}

TEST_F(StartupTest, UnreadableMarkCountsAsFirstStart) {
    store().write(Sections::Parametres, Keys::Initialisation, QStringLiteral("oui"));
    EXPECT_TRUE(IsFirstRun(store()));
    store().write(Sections::Parametres, Keys::Initialisation, QStringLiteral("0"));
    EXPECT_TRUE(IsFirstRun(store()));
    store().write(Sections::Parametres, Keys::Initialisation, QStringLiteral("1"));
    EXPECT_FALSE(IsFirstRun(store()));
}

TEST_F(StartupTest, StartDateAndHolidaysOfToday) {
    const StartupState state = start(QDate(2000, 1, 1));
    EXPECT_EQ(state.startDate.JourDemarrage, 1);
    EXPECT_EQ(state.startDate.MoisDemarrage, 1);
    EXPECT_EQ(state.startDate.AnneeDemarrage, 0);
    EXPECT_EQ(state.joursFeries, ComputeHolidays(2000));
}

TEST(StartDateOf, TwoDigitYear) {
    const StartDate date = StartDateOf(QDate(1999, 12, 31));
    EXPECT_EQ(date.JourDemarrage, 31);
    EXPECT_EQ(date.MoisDemarrage, 12);
    EXPECT_EQ(date.AnneeDemarrage, 99);
    EXPECT_EQ(StartDateOf(QDate(2026, 3, 4)).AnneeDemarrage, 26);
}

} // namespace
