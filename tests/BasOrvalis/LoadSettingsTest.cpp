// The settings through the store: key names, text forms, and every field
// written and loaded back.
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/StoredText.h"
#include "support/TemporaryStore.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace BasOrvalis;

// Settings in which every stored field differs from its default.
Settings SampleSettings() {
    Settings s;
    s.TarifCreditTemps = 0.8f;
    s.CreditTemps = {170.f, 100.f, 70.f, 45.f, 35.5f};
    s.TarifMinute = {0.3f, 0.45f, 0.65f, 1.05f, 1.25f};
    s.CoutTotal = 123.456f;
    s.RazAutoTotal = 1;
    s.RazPeriode = QStringLiteral("Mensuelle");
    s.RazDate = QStringLiteral("Le 15 du mois");
    s.DerniereRaz = QDate(2026, 11, 15);
    s.TypeDefaut = CommunicationType::Primaliste;
    s.NumeroDefaut = QStringLiteral("01 23 45 67 89");
    s.AboPrimaliste = 1;
    s.AboPrimalisteInternet = 1;
    s.AboTemporalis = 1;
    s.AboForfaitLocal = 1;
    s.AboLibreAcces = 1;
    s.TarifPerso = 1;
    for (int n = 1; n <= 7; ++n)
        s.NumerosPrimaliste[n] = QStringLiteral("01 00 00 00 0%1").arg(n);
    s.ZonesPrimaliste = {0, 2, 3, 4, 5, 1, 2};
    s.TempsForfaitLocal = QTime(3, 25, 10);
    s.MoisForfaitLocal = 11;
    s.TempsLibreAcces = QTime(19, 59, 59);
    s.MoisLibreAcces = 12;
    s.PersoNumero = QStringLiteral("Mon fournisseur");
    s.PersoDureeCredit = 120.f;
    s.PersoTarifCredit = 0.5f;
    s.PersoCoutMinute = 0.15f;
    s.PersoReductions = true;
    s.BudgetMensuel = 150.5f;
    s.AlerteBudget = 80;
    s.MoisBudget = QDate(2026, 11, 1);
    s.DepensesMois = 42.5f;
    return s;
}

struct StoredKey {
    const char* section;
    const char* key;
    const char* text;
};

// The store after SampleSettings is saved under French settings.
const StoredKey SampleStore[] = {
    {"Tarification", "Tarif Credit Temps", "0,8"},
    {"Tarification", "Credit Temps Appel Local", "170"},
    {"Tarification", "Credit Temps Appel d<25 Kms", "100"},
    {"Tarification", "Credit Temps Appel 30<d<52 Kms", "70"},
    {"Tarification", "Credit Temps Appel 52<d<100 Kms", "45"},
    {"Tarification", "Credit Temps Appel National", "35,5"},
    {"Tarification", "Tarif Minutes Appel Local", "0,3"},
    {"Tarification", "Tarif Minutes Appel d<25 Kms", "0,45"},
    {"Tarification", "Tarif Minutes Appel 30<d<52 Kms", "0,65"},
    {"Tarification", "Tarif Minutes Appel 52<d<100 Kms", "1,05"},
    {"Tarification", "Tarif Minutes Appel National", "1,25"},
    {"Parametres", "Cout Total", "123,456"},
    {"Parametres", "RAZ Auto Total", "1"},
    {"Parametres", "RAZ Auto Total : Periode", "Mensuelle"},
    {"Parametres", "RAZ Auto Total : Date", "Le 15 du mois"},
    {"Parametres", "RAZ Auto Total : Last RAZ", "15/11/26"},
    {"Parametres", "Defaut Type de Communication", "Primaliste"},
    {"Parametres", "Defaut Numero", "01 23 45 67 89"},
    {"Services FT", "Abonnement Primaliste", "1"},
    {"Services FT", "Abonnement Primaliste Internet", "1"},
    {"Services FT", "Abonnement Temporalis", "1"},
    {"Services FT", "Abonnement Forfait Local", "1"},
    {"Services FT", "Abonnement Libre Acces", "1"},
    {"Tarification", "Tarification personnalisée", "1"},
    {"Services FT", "Primaliste: Numero 1", "01 00 00 00 01"},
    {"Services FT", "Primaliste: Zone Numero 1", "2"},
    {"Services FT", "Primaliste: Numero 2", "01 00 00 00 02"},
    {"Services FT", "Primaliste: Zone Numero 2", "3"},
    {"Services FT", "Primaliste: Numero 3", "01 00 00 00 03"},
    {"Services FT", "Primaliste: Zone Numero 3", "4"},
    {"Services FT", "Primaliste: Numero 4", "01 00 00 00 04"},
    {"Services FT", "Primaliste: Zone Numero 4", "5"},
    {"Services FT", "Primaliste: Numero 5", "01 00 00 00 05"},
    {"Services FT", "Primaliste: Zone Numero 5", "1"},
    {"Services FT", "Primaliste: Numero 6", "01 00 00 00 06"},
    {"Services FT", "Primaliste: Zone Numero 6", "2"},
    {"Services FT", "Primaliste: Internet", "01 00 00 00 07"},
    {"Services FT", "Forfait Local : Temps", "03:25:10"},
    {"Services FT", "Forfait Local : Mois", "11"},
    {"Services FT", "Libre Acces : Temps", "19:59:59"},
    {"Services FT", "Libre Acces : Mois", "12"},
    {"Tarification", "Perso - Numéro d'appel", "Mon fournisseur"},
    {"Tarification", "Perso - Durée Credit Temps", "120"},
    {"Tarification", "Perso - Tarif Credit Temps", "0,5"},
    {"Tarification", "Perso - Cout a la minute", "0,15"},
    {"Tarification", "Perso - Reduction applicables", "True"},
    {"Parametres", "Budget Mensuel", "150,5"},
    {"Parametres", "Budget Mensuel : Alerte", "80"},
    {"Parametres", "Budget Mensuel : Mois", "01/11/26"},
    {"Parametres", "Budget Mensuel : Depenses du mois", "42,5"},
};

void SaveAll(SettingsStore& store, const Settings& settings, const QLocale& locale) {
    for (const SettingsKey& entry : SettingsKeys())
        ASSERT_TRUE(SaveSetting(store, settings, entry.section, entry.key, locale));
}

// Every stored field of both, compared one by one.
void ExpectSameFields(const Settings& actual, const Settings& expected) {
    EXPECT_FLOAT_EQ(actual.TarifCreditTemps, expected.TarifCreditTemps);
    for (int i = 0; i < BandCount; ++i) {
        EXPECT_FLOAT_EQ(actual.CreditTemps[i], expected.CreditTemps[i]) << "band index " << i;
        EXPECT_FLOAT_EQ(actual.TarifMinute[i], expected.TarifMinute[i]) << "band index " << i;
    }
    EXPECT_FLOAT_EQ(actual.CoutTotal, expected.CoutTotal);
    EXPECT_EQ(actual.RazAutoTotal, expected.RazAutoTotal);
    EXPECT_EQ(actual.RazPeriode, expected.RazPeriode);
    EXPECT_EQ(actual.RazDate, expected.RazDate);
    EXPECT_EQ(actual.DerniereRaz, expected.DerniereRaz);
    EXPECT_EQ(actual.TypeDefaut, expected.TypeDefaut);
    EXPECT_EQ(actual.NumeroDefaut, expected.NumeroDefaut);
    EXPECT_EQ(actual.AboPrimaliste, expected.AboPrimaliste);
    EXPECT_EQ(actual.AboPrimalisteInternet, expected.AboPrimalisteInternet);
    EXPECT_EQ(actual.AboTemporalis, expected.AboTemporalis);
    EXPECT_EQ(actual.AboForfaitLocal, expected.AboForfaitLocal);
    EXPECT_EQ(actual.AboLibreAcces, expected.AboLibreAcces);
    EXPECT_EQ(actual.TarifPerso, expected.TarifPerso);
    EXPECT_EQ(actual.NumerosPrimaliste, expected.NumerosPrimaliste);
    EXPECT_EQ(actual.ZonesPrimaliste, expected.ZonesPrimaliste);
    EXPECT_EQ(actual.TempsForfaitLocal, expected.TempsForfaitLocal);
    EXPECT_EQ(actual.MoisForfaitLocal, expected.MoisForfaitLocal);
    EXPECT_EQ(actual.TempsLibreAcces, expected.TempsLibreAcces);
    EXPECT_EQ(actual.MoisLibreAcces, expected.MoisLibreAcces);
    EXPECT_EQ(actual.PersoNumero, expected.PersoNumero);
    EXPECT_FLOAT_EQ(actual.PersoDureeCredit, expected.PersoDureeCredit);
    EXPECT_FLOAT_EQ(actual.PersoTarifCredit, expected.PersoTarifCredit);
    EXPECT_FLOAT_EQ(actual.PersoCoutMinute, expected.PersoCoutMinute);
    EXPECT_EQ(actual.PersoReductions, expected.PersoReductions);
    EXPECT_EQ(actual.BudgetMensuel, expected.BudgetMensuel);
    EXPECT_EQ(actual.AlerteBudget, expected.AlerteBudget);
    EXPECT_EQ(actual.MoisBudget, expected.MoisBudget);
    EXPECT_FLOAT_EQ(actual.DepensesMois, expected.DepensesMois);
}

TEST(SettingsKeys, EveryFieldOnceUnderItsOwnKey) {
    const std::vector<SettingsKey>& table = SettingsKeys();
    ASSERT_EQ(table.size(), std::size(SampleStore));
    std::set<std::pair<QString, QString>> keys;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].section, QString::fromUtf8(SampleStore[i].section));
        EXPECT_EQ(table[i].key, QString::fromUtf8(SampleStore[i].key)) << "entry " << i;
        keys.insert({table[i].section, table[i].key});
    }
    EXPECT_EQ(keys.size(), table.size());
}

TEST(SettingsKeys, FindsStoredFieldsOnly) {
    ASSERT_NE(FindSettingsKey(Sections::ServicesFt, Keys::PrimalisteInternet), nullptr);
    EXPECT_EQ(FindSettingsKey(Sections::ServicesFt, Keys::PrimalisteInternet)->field,
              QStringLiteral("NumerosPrimaliste(7)"));
    EXPECT_EQ(FindSettingsKey(Sections::Parametres, Keys::Initialisation), nullptr);
    EXPECT_EQ(FindSettingsKey(Sections::Tarification, Keys::CoutTotal), nullptr);
}

TEST(SettingsKeys, DefaultTexts) {
    const QLocale french(QLocale::French, QLocale::France);
    const auto defaultOf = [&](const QString& section, const QString& key) {
        return DefaultTextOf(*FindSettingsKey(section, key), french);
    };
    EXPECT_EQ(defaultOf(Sections::Tarification, Keys::TarifCreditTemps), QStringLiteral("0,742"));
    EXPECT_EQ(defaultOf(Sections::Tarification, Keys::CreditTemps(1)), QStringLiteral("180"));
    EXPECT_EQ(defaultOf(Sections::Tarification, Keys::TarifMinute(1)), QStringLiteral("0,28"));
    EXPECT_EQ(defaultOf(Sections::ServicesFt, Keys::TempsForfaitLocal), QStringLiteral("06:00:00"));
    EXPECT_EQ(defaultOf(Sections::ServicesFt, Keys::PrimalisteZone(3)), QStringLiteral("1"));
    EXPECT_EQ(defaultOf(Sections::Tarification, Keys::PersoReductions), QStringLiteral("False"));
}

TEST(SaveSetting, WritesEveryKeyInItsTextForm) {
    TemporaryStore temporary;
    SaveAll(temporary.store(), SampleSettings(), QLocale(QLocale::French, QLocale::France));
    for (const StoredKey& expected : SampleStore) {
        EXPECT_EQ(temporary.store().read(QString::fromUtf8(expected.section),
                                         QString::fromUtf8(expected.key)),
                  QString::fromUtf8(expected.text))
            << expected.key;
    }
}

TEST(SaveSetting, RefusesKeysThatAreNoField) {
    TemporaryStore temporary;
    EXPECT_FALSE(
        SaveSetting(temporary.store(), Settings(), Sections::Parametres, Keys::Initialisation));
    EXPECT_TRUE(temporary.store().keys(Sections::Parametres).isEmpty());
}

class RoundTripTest : public ::testing::TestWithParam<QLocale::Language> {};

TEST_P(RoundTripTest, EveryFieldComesBack) {
    const QLocale locale(GetParam(),
                         GetParam() == QLocale::French ? QLocale::France : QLocale::UnitedStates);
    TemporaryStore temporary;
    SaveAll(temporary.store(), SampleSettings(), locale);
    ExpectSameFields(LoadSettings(temporary.store(), locale), SampleSettings());
}

TEST_P(RoundTripTest, DefaultsComeBack) {
    const QLocale locale(GetParam());
    TemporaryStore temporary;
    SaveAll(temporary.store(), Settings(), locale);
    Settings loaded = LoadSettings(temporary.store(), locale);
    // A short date keeps two digits of the year: the default 1899 is not kept.
    loaded.DerniereRaz = Settings().DerniereRaz;
    loaded.MoisBudget = Settings().MoisBudget;
    ExpectSameFields(loaded, Settings());
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, RoundTripTest,
                         ::testing::Values(QLocale::French, QLocale::English));

TEST(LoadSettings, TotalWrittenWithEitherSeparator) {
    TemporaryStore temporary;
    for (const QString& text : {QStringLiteral("12,50"), QStringLiteral("12.50")}) {
        temporary.store().write(Sections::Parametres, Keys::CoutTotal, text);
        EXPECT_FLOAT_EQ(LoadSettings(temporary.store()).CoutTotal, 12.5f);
        EXPECT_FLOAT_EQ(LoadSettings(temporary.store(), QLocale(QLocale::English)).CoutTotal,
                        12.5f);
    }
}

TEST(LoadSettings, UnreadableTextsGiveTheDefaultExceptSingles) {
    TemporaryStore temporary;
    SettingsStore& store = temporary.store();
    store.write(Sections::Parametres, Keys::CoutTotal, QStringLiteral("abc"));
    store.write(Sections::Tarification, Keys::TarifCreditTemps, QStringLiteral(".5"));
    store.write(Sections::Tarification, Keys::TarifMinute(1), QStringLiteral("1e39"));
    store.write(Sections::ServicesFt, Keys::PrimalisteZone(2), QStringLiteral("deux"));
    store.write(Sections::ServicesFt, Keys::TempsForfaitLocal, QStringLiteral("6 heures"));
    store.write(Sections::Parametres, Keys::DerniereRaz, QStringLiteral("hier"));
    store.write(Sections::Tarification, Keys::PersoReductions, QStringLiteral("peut-être"));
    store.write(Sections::ServicesFt, Keys::AboTemporalis, QString());
    store.write(Sections::Parametres, Keys::BudgetMensuel, QStringLiteral("0"));

    const Settings loaded = LoadSettings(store);
    EXPECT_FLOAT_EQ(loaded.CoutTotal, 0.f);
    EXPECT_FLOAT_EQ(loaded.TarifCreditTemps, 0.f);
    EXPECT_FLOAT_EQ(loaded.TarifMinute[0], 0.f);
    EXPECT_EQ(loaded.ZonesPrimaliste[2], 1);
    EXPECT_EQ(loaded.TempsForfaitLocal, QTime(6, 0));
    EXPECT_EQ(loaded.DerniereRaz, QDate(1899, 12, 30));
    EXPECT_FALSE(loaded.PersoReductions);
    EXPECT_EQ(loaded.AboTemporalis, 0);
    EXPECT_FALSE(loaded.BudgetMensuel);
}

TEST(LoadSettings, ZoneOutsideTheBandsReadsAsLocal) {
    TemporaryStore temporary;
    temporary.store().write(Sections::ServicesFt, Keys::PrimalisteZone(1), QStringLiteral("6"));
    temporary.store().write(Sections::ServicesFt, Keys::PrimalisteZone(2), QStringLiteral("0"));
    temporary.store().write(Sections::ServicesFt, Keys::PrimalisteZone(3), QStringLiteral("5"));
    const Settings loaded = LoadSettings(temporary.store());
    EXPECT_EQ(loaded.ZonesPrimaliste[1], 1);
    EXPECT_EQ(loaded.ZonesPrimaliste[2], 1);
    EXPECT_EQ(loaded.ZonesPrimaliste[3], 5);
}

TEST(LoadSettings, StoredTextsAsTheyStand) {
    TemporaryStore temporary;
    temporary.store().write(Sections::ServicesFt, Keys::PrimalisteNumero(1), QString());
    temporary.store().write(Sections::Parametres, Keys::NumeroDefaut, QStringLiteral(" 01 "));
    const Settings loaded = LoadSettings(temporary.store());
    EXPECT_EQ(loaded.NumerosPrimaliste[1], QString());
    EXPECT_EQ(loaded.NumeroDefaut, QStringLiteral(" 01 "));
}

struct BooleanCase {
    const char* text;
    bool expected;
};

class BooleanTextTest : public ::testing::TestWithParam<BooleanCase> {};

TEST_P(BooleanTextTest, ReadsBack) {
    TemporaryStore temporary;
    temporary.store().write(Sections::Tarification, Keys::PersoReductions,
                            QString::fromUtf8(GetParam().text));
    EXPECT_EQ(LoadSettings(temporary.store()).PersoReductions, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, BooleanTextTest,
                         ::testing::Values(BooleanCase{"True", true}, BooleanCase{"true", true},
                                           BooleanCase{"1", true}, BooleanCase{"-1", true},
                                           BooleanCase{"Vrai", true}, BooleanCase{"False", false},
                                           BooleanCase{"0", false}, BooleanCase{"Faux", false}));

TEST(StoredText, TimesWithoutLeadingZero) {
    EXPECT_EQ(StoredText::toTime(QStringLiteral("6:00:00")), QTime(6, 0));
    EXPECT_EQ(StoredText::fromTime(QTime(6, 0)), QStringLiteral("06:00:00"));
}

} // namespace
