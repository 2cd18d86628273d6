// The services configuration: distances, remaining times and OK, checked
// against the store file they leave.
#include "config/ConfigServices.h"
#include "config/ConfigTestSupport.h"

namespace {

using BasOrvalis::Settings;

class ConfigServicesTest : public ::testing::Test {
protected:
    ConfigServicesTest() {
        settings.AboPrimaliste = 1;
        for (int n = 1; n <= 3; ++n) {
            settings.NumerosPrimaliste[n] = QStringLiteral("01-00-00-00-0%1").arg(n);
            settings.ZonesPrimaliste[n] = n;
        }
    }
    ConfigServices& config() {
        if (!m_config)
            m_config = std::make_unique<ConfigServices>(settings, files.store(), messages, host);
        return *m_config;
    }
    ConfigServicesValues values() { return config().valeursInitiales(); }

    TemporaryFiles files;
    Settings settings;
    ScriptedMessages messages{BasOrvalis::MessageAnswer::Yes};
    CountingHost host;

private:
    std::unique_ptr<ConfigServices> m_config;
};

const StoreContents AbonnementsPrimaliste{
    {QStringLiteral("Services FT/Abonnement Primaliste"), QStringLiteral("1")},
    {QStringLiteral("Services FT/Abonnement Primaliste Internet"), QStringLiteral("0")},
    {QStringLiteral("Services FT/Abonnement Temporalis"), QStringLiteral("0")},
    {QStringLiteral("Services FT/Abonnement Forfait Local"), QStringLiteral("0")},
    {QStringLiteral("Services FT/Abonnement Libre Acces"), QStringLiteral("0")},
};

TEST_F(ConfigServicesTest, OkStoresConfiguredNumbersOnly) {
    ConfigServicesValues v = values();
    v.numeros[4] = QStringLiteral("02-40-00-00-04");

    config().CmdOk(v);

    StoreContents expected = AbonnementsPrimaliste;
    for (int n = 1; n <= 4; ++n) {
        expected.insert(QStringLiteral("Services FT/Primaliste: Numero %1").arg(n), v.numeros[n]);
        expected.insert(QStringLiteral("Services FT/Primaliste: Zone Numero %1").arg(n),
                        QString::number(n == 4 ? 1 : n));
    }
    EXPECT_EQ(files.contents(), expected);
    EXPECT_EQ(settings.NumerosPrimaliste[4], QStringLiteral("02-40-00-00-04"));
    EXPECT_EQ(settings.NumerosPrimaliste[5], QStringLiteral("Non Configuré"));
    EXPECT_EQ(host.fills, 1);
}

TEST_F(ConfigServicesTest, EmptiedNumberKeepsItsNumberAndZone) {
    files.store().write(QStringLiteral("Services FT"), QStringLiteral("Primaliste: Numero 2"),
                        settings.NumerosPrimaliste[2]);
    files.store().write(QStringLiteral("Services FT"), QStringLiteral("Primaliste: Zone Numero 2"),
                        QStringLiteral("2"));
    config().NumeroActif(2);
    config().ZoneChoisie(5);
    ConfigServicesValues v = values();
    v.numeros[2].clear();

    config().CmdOk(v);

    const StoreContents stored = files.contents();
    EXPECT_EQ(stored.value(QStringLiteral("Services FT/Primaliste: Numero 2")),
              QStringLiteral("01-00-00-00-02"));
    EXPECT_EQ(stored.value(QStringLiteral("Services FT/Primaliste: Zone Numero 2")),
              QStringLiteral("2"));
    EXPECT_EQ(settings.NumerosPrimaliste[2], QStringLiteral("01-00-00-00-02"));
    EXPECT_EQ(settings.ZonesPrimaliste[2], 2);
}

TEST_F(ConfigServicesTest, DistanceFollowsTheNumberThatHadTheFocus) {
    EXPECT_EQ(config().numeroActif(), 1);
    EXPECT_EQ(config().NumeroActif(3), 3);
    EXPECT_EQ(config().cadreDistance(), QStringLiteral("Distance Numéro 3"));
    config().NumeroActif(4);
    config().ZoneChoisie(5);

    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(config().zone(n), n == 4 ? 5 : settings.ZonesPrimaliste[n]) << n;
    // Chosen in the dialog, not yet in Settings.
    EXPECT_EQ(settings.ZonesPrimaliste[4], 1);

    ConfigServicesValues v = values();
    v.numeros[4] = QStringLiteral("04");
    config().CmdOk(v);
    EXPECT_EQ(settings.ZonesPrimaliste[4], 5);
    EXPECT_EQ(settings.ZonesPrimaliste[3], 3);
    EXPECT_EQ(files.contents().value(QStringLiteral("Services FT/Primaliste: Zone Numero 4")),
              QStringLiteral("5"));
}

TEST_F(ConfigServicesTest, NumbersOfAnOptionNotHeldAreNotStored) {
    ConfigServicesValues v = values();
    v.primaliste = false;
    v.numeros[4] = QStringLiteral("04");
    v.numeros[7] = QStringLiteral("08-60-00-00-00");

    config().CmdOk(v);

    StoreContents expected = AbonnementsPrimaliste;
    expected[QStringLiteral("Services FT/Abonnement Primaliste")] = QStringLiteral("0");
    EXPECT_EQ(files.contents(), expected);
    EXPECT_EQ(settings.AboPrimaliste, 0);
    EXPECT_EQ(settings.NumerosPrimaliste[7], QStringLiteral("Non Configuré"));
}

TEST_F(ConfigServicesTest, PrimalisteInternetNumberStoredWhenHeld) {
    ConfigServicesValues v = values();
    v.primalisteInternet = true;
    v.numeros[7] = QStringLiteral("08-60-00-00-00");

    config().CmdOk(v);

    EXPECT_EQ(files.contents().value(QStringLiteral("Services FT/Primaliste: Internet")),
              QStringLiteral("08-60-00-00-00"));
    EXPECT_EQ(settings.NumerosPrimaliste[7], QStringLiteral("08-60-00-00-00"));
}

struct InitCase {
    ConfigServices::Forfait forfait;
    int answer;
    int title, line;
    const char* key;
    const char* stored;
};

class InitTempsTest : public ConfigServicesTest, public ::testing::WithParamInterface<InitCase> {};

TEST_P(InitTempsTest, TheTimeIsStoredOnOkWhateverTheAnswer) {
    const InitCase& c = GetParam();
    settings.AboForfaitLocal = 1;
    settings.AboLibreAcces = 1;
    settings.TempsForfaitLocal = QTime(2, 15, 0);
    settings.TempsLibreAcces = QTime(2, 15, 0);
    messages.answers = {c.answer};

    const std::optional<QString> plein = config().CmdInitTemps(c.forfait);

    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{c.title, 36, c.line, 0}}));
    EXPECT_TRUE(config().tempsModifie(c.forfait));
    ConfigServicesValues v = values();
    if (plein)
        (c.forfait == ConfigServices::Local ? v.tempsForfaitLocal : v.tempsLibreAcces) = *plein;
    config().CmdOk(v);
    const StoreContents stored = files.contents();
    EXPECT_EQ(stored.value(QString::fromUtf8(c.key)), QString::fromUtf8(c.stored));
    // Only the changed time is stored.
    EXPECT_EQ(stored.count(), AbonnementsPrimaliste.count() + 6 + 1);
    EXPECT_FALSE(config().tempsModifie(c.forfait));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, InitTempsTest,
    ::testing::Values(InitCase{ConfigServices::Local, 7, 207, 307,
                               "Services FT/Forfait Local : Temps", "02:15:00"},
                      InitCase{ConfigServices::Local, 6, 207, 307,
                               "Services FT/Forfait Local : Temps", "06:00:00"},
                      InitCase{ConfigServices::Libre, 7, 208, 308,
                               "Services FT/Libre Acces : Temps", "02:15:00"},
                      InitCase{ConfigServices::Libre, 6, 208, 308,
                               "Services FT/Libre Acces : Temps", "20:00:00"}));

TEST_F(ConfigServicesTest, ChangedTimeOfAnOptionNotHeldIsNotStored) {
    config().CmdModifTemps(ConfigServices::Local);
    ConfigServicesValues v = values();
    v.tempsForfaitLocal = QStringLiteral("01:00:00");

    config().CmdOk(v);

    EXPECT_FALSE(files.contents().contains(QStringLiteral("Services FT/Forfait Local : Temps")));
}

TEST_F(ConfigServicesTest, InvalidNewTimeIsRefused) {
    QString tempsActuel = QStringLiteral("06:00:00");
    EXPECT_EQ(config().ControleNouveauTemps(ConfigServices::Local, QStringLiteral("25:00:00"),
                                            &tempsActuel),
              ConfigServices::Saisie::Invalide);
    EXPECT_EQ(
        config().ControleNouveauTemps(ConfigServices::Libre, QStringLiteral("1,5"), &tempsActuel),
        ConfigServices::Saisie::Invalide);
    EXPECT_EQ(tempsActuel, QStringLiteral("06:00:00"));
    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{217, 48, 317, 417}, {220, 48, 320, 420}}));

    EXPECT_EQ(config().ControleNouveauTemps(ConfigServices::Local, QStringLiteral("5:48:20"),
                                            &tempsActuel),
              ConfigServices::Saisie::Valide);
    EXPECT_EQ(tempsActuel, QStringLiteral("05:48:20"));
    EXPECT_EQ(config().ControleNouveauTemps(ConfigServices::Local, QString(), &tempsActuel),
              ConfigServices::Saisie::Vide);
    EXPECT_EQ(messages.shown.size(), 2);
}

} // namespace
