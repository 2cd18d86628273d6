// OK, the focus checks and the manual reset of the general configuration,
// checked against the store file they leave.
#include "config/ConfigGenerale.h"
#include "config/ConfigTestSupport.h"
#include "support/CapturedLog.h"

#include "engine/CallEngine.h"
#include "engine/ManualClock.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/LogWriter.h"
#include "common/CallRecord.h"
#include "common/LogFile.h"

#include <QFile>

namespace {

using BasOrvalis::Settings;

class ConfigGeneraleTest : public ::testing::Test {
protected:
    ConfigGenerale& config() {
        if (!m_config)
            m_config = std::make_unique<ConfigGenerale>(settings, files.store(), messages, host);
        return *m_config;
    }
    // The values the dialog opens with.
    ConfigGeneraleValues values() { return config().valeursInitiales(); }

    TemporaryFiles files;
    Settings settings;
    ScriptedMessages messages{BasOrvalis::MessageAnswer::Yes};
    CountingHost host;

private:
    std::unique_ptr<ConfigGenerale> m_config;
};

TEST_F(ConfigGeneraleTest, OkStoresEveryKeyInItsTextForm) {
    settings.CoutTotal = 3.5f;
    ConfigGeneraleValues v = values();
    v.typeCommunication = BasOrvalis::CommunicationType::Standard;
    v.numero = QStringLiteral("Appel N° Local");
    v.paramUT[0] = QStringLiteral("0,8");
    v.budget = QStringLiteral("150,5");

    EXPECT_FALSE(config().CmdOk(v).has_value());

    StoreContents expected =
        Merged(DefaultTariffKeys(),
               {
                   {QStringLiteral("Tarification/Tarif Credit Temps"), QStringLiteral("0,8")},
                   {QStringLiteral("Parametres/Defaut Type de Communication"),
                    QStringLiteral("Communication standard")},
                   {QStringLiteral("Parametres/Defaut Numero"), QStringLiteral("Appel N° Local")},
                   {QStringLiteral("Parametres/Cout Total"), QStringLiteral("3,5")},
                   {QStringLiteral("Parametres/RAZ Auto Total"), QStringLiteral("0")},
                   {QStringLiteral("Parametres/Budget Mensuel"), QStringLiteral("150,5")},
                   {QStringLiteral("Tarification/Tarification personnalisée"), QStringLiteral("0")},
               });
    EXPECT_EQ(files.contents(), expected);
    EXPECT_FLOAT_EQ(settings.TarifCreditTemps, 0.8f);
    EXPECT_EQ(settings.TypeDefaut, BasOrvalis::CommunicationType::Standard);
    EXPECT_EQ(host.fills, 1);
    EXPECT_EQ(host.totals, 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ConfigGeneraleTest, AutomaticResetWithoutDateStopsAtTheTotalTab) {
    settings.CoutTotal = 7.f;
    ConfigGeneraleValues v = values();
    v.totalActuel = QStringLiteral("9,00");
    v.razAuto = true;
    v.periode = QStringLiteral("Mensuelle");
    v.date = QStringLiteral("Faites une sélection");

    EXPECT_EQ(config().CmdOk(v), ConfigGenerale::CoutTotal);

    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{210, 48, 310, 410}}));
    EXPECT_EQ(files.contents(), DefaultTariffKeys());
    // What was not stored is not taken either.
    EXPECT_FLOAT_EQ(settings.CoutTotal, 7.f);
    EXPECT_EQ(settings.RazAutoTotal, 0);
    EXPECT_EQ(host.fills, 0);
}

TEST_F(ConfigGeneraleTest, UntickingTheAutomaticResetKeepsPeriodAndDate) {
    files.store().write(QStringLiteral("Parametres"), QStringLiteral("RAZ Auto Total : Periode"),
                        QStringLiteral("Mensuelle"));
    files.store().write(QStringLiteral("Parametres"), QStringLiteral("RAZ Auto Total : Date"),
                        QStringLiteral("Le 5 du mois"));
    settings.RazAutoTotal = 1;
    settings.RazPeriode = QStringLiteral("Mensuelle");
    settings.RazDate = QStringLiteral("Le 5 du mois");
    ConfigGeneraleValues v = values();
    v.razAuto = false;
    v.periode = QStringLiteral("Faites une sélection");
    v.date = QStringLiteral("Faites une sélection");

    EXPECT_FALSE(config().CmdOk(v).has_value());

    const StoreContents stored = files.contents();
    EXPECT_EQ(stored.value(QStringLiteral("Parametres/RAZ Auto Total")), QStringLiteral("0"));
    EXPECT_EQ(stored.value(QStringLiteral("Parametres/RAZ Auto Total : Periode")),
              QStringLiteral("Mensuelle"));
    EXPECT_EQ(stored.value(QStringLiteral("Parametres/RAZ Auto Total : Date")),
              QStringLiteral("Le 5 du mois"));
    EXPECT_EQ(settings.RazDate, QStringLiteral("Le 5 du mois"));
}

TEST_F(ConfigGeneraleTest, TickedAutomaticResetStoresPeriodAndDate) {
    ConfigGeneraleValues v = values();
    v.razAuto = true;
    v.periode = QStringLiteral("Bimestrielle");
    v.date = QStringLiteral("Le 15 des mois Impair");

    EXPECT_FALSE(config().CmdOk(v).has_value());

    const StoreContents stored = files.contents();
    EXPECT_EQ(stored.value(QStringLiteral("Parametres/RAZ Auto Total")), QStringLiteral("1"));
    EXPECT_EQ(stored.value(QStringLiteral("Parametres/RAZ Auto Total : Periode")),
              QStringLiteral("Bimestrielle"));
    EXPECT_EQ(stored.value(QStringLiteral("Parametres/RAZ Auto Total : Date")),
              QStringLiteral("Le 15 des mois Impair"));
}

TEST_F(ConfigGeneraleTest, NewTotalKeepsTwoDecimals) {
    QString totalActuel;
    EXPECT_EQ(config().ControleNouveauTotal(QStringLiteral("12,3456"), &totalActuel),
              ConfigGenerale::Saisie::Valide);
    EXPECT_EQ(totalActuel, QStringLiteral("12,35"));
    ConfigGeneraleValues v = values();
    v.totalActuel = totalActuel;

    config().CmdOk(v);

    EXPECT_FLOAT_EQ(settings.CoutTotal, 12.35f);
    EXPECT_EQ(files.contents().value(QStringLiteral("Parametres/Cout Total")),
              QStringLiteral("12,35"));
}

TEST_F(ConfigGeneraleTest, NewTotalChecks) {
    QString totalActuel = QStringLiteral("unchanged");
    EXPECT_EQ(config().ControleNouveauTotal(QString(), &totalActuel), ConfigGenerale::Saisie::Vide);
    EXPECT_EQ(config().ControleNouveauTotal(QStringLiteral("12.5"), &totalActuel),
              ConfigGenerale::Saisie::Invalide);
    EXPECT_EQ(totalActuel, QStringLiteral("unchanged"));
    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{204, 48, 304, 404}}));
}

TEST_F(ConfigGeneraleTest, TariffBoxRefusesAPointUnderFrenchSettings) {
    EXPECT_TRUE(config().ControleTarif(QStringLiteral("0,5")));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(config().ControleTarif(QStringLiteral("0.5")));
    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{204, 48, 304, 404}}));
}

TEST_F(ConfigGeneraleTest, PersonalisedBoxesCheckedInOrder) {
    EXPECT_FALSE(config()
                     .ControlePerso({QStringLiteral("x"), QString(), QStringLiteral("0,5"),
                                     QStringLiteral("1")})
                     .has_value());
    EXPECT_EQ(config().ControlePerso(
                  {QString(), QStringLiteral("60"), QStringLiteral("0.5"), QStringLiteral("abc")}),
              2);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(ConfigGeneraleTest, PersonalisedTariffWithAnEmptyBoxStopsAtItsTab) {
    ConfigGeneraleValues v = values();
    v.perso = true;
    v.persoTextes = {QStringLiteral("01-45-45-45-45"), QStringLiteral("60"), QString(),
                     QStringLiteral("0,5")};

    EXPECT_EQ(config().CmdOk(v), ConfigGenerale::Personnalisee);

    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{225, 48, 325, 0}}));
    const StoreContents stored = files.contents();
    EXPECT_EQ(stored.value(QStringLiteral("Tarification/Tarification personnalisée")),
              QStringLiteral("1"));
    EXPECT_FALSE(stored.contains(QStringLiteral("Tarification/Perso - Numéro d'appel")));
    EXPECT_EQ(host.fills, 0);
}

TEST_F(ConfigGeneraleTest, PersonalisedTariffStored) {
    ConfigGeneraleValues v = values();
    v.perso = true;
    v.persoTextes = {QStringLiteral("01-45-45-45-45"), QStringLiteral("60"), QStringLiteral("0,5"),
                     QStringLiteral("0,25")};
    v.reducPerso = true;

    EXPECT_FALSE(config().CmdOk(v).has_value());

    const StoreContents stored = files.contents();
    EXPECT_EQ(stored.value(QStringLiteral("Tarification/Perso - Numéro d'appel")),
              QStringLiteral("01-45-45-45-45"));
    EXPECT_EQ(stored.value(QStringLiteral("Tarification/Perso - Durée Credit Temps")),
              QStringLiteral("60"));
    EXPECT_EQ(stored.value(QStringLiteral("Tarification/Perso - Tarif Credit Temps")),
              QStringLiteral("0,5"));
    EXPECT_EQ(stored.value(QStringLiteral("Tarification/Perso - Cout a la minute")),
              QStringLiteral("0,25"));
    EXPECT_EQ(stored.value(QStringLiteral("Tarification/Perso - Reduction applicables")),
              QStringLiteral("True"));
    EXPECT_EQ(settings.TarifPerso, 1);
    EXPECT_FLOAT_EQ(settings.PersoCoutMinute, 0.25f);
}

// The number list shows the personalised number the dialog opened with;
// the personalised default still follows the new number, so that the next
// start warns of nothing and a remote start calls the new number.
TEST_F(ConfigGeneraleTest, PersonalisedDefaultFollowsItsNewNumber) {
    settings.TarifPerso = 1;
    settings.PersoNumero = QStringLiteral("01-45-45-45-45");
    settings.TypeDefaut = BasOrvalis::CommunicationType::Perso;
    settings.NumeroDefaut = settings.PersoNumero;
    ConfigGeneraleValues v = values();
    v.numero = settings.PersoNumero;
    v.persoTextes = {QStringLiteral("08-36-01-02-03"), QStringLiteral("60"), QStringLiteral("0,5"),
                     QStringLiteral("0,25")};
    ASSERT_FALSE(config().CmdOk(v).has_value());

    BasOrvalis::Settings restarted = BasOrvalis::LoadSettings(files.store());
    const BasOrvalis::StartDate startDate = BasOrvalis::StartDateOf(host.instant.date());
    const BasOrvalis::Holidays joursFeries =
        BasOrvalis::ComputeHolidays(host.instant.date().year());
    ManualClock clock(host.instant);
    ScriptedMessages startMessages{BasOrvalis::MessageAnswer::No};
    CapturedLog log;
    CallEngine engine(restarted, startDate, joursFeries, files.store(), clock, startMessages, log,
                      nullptr);
    engine.Form_Load();
    EXPECT_TRUE(startMessages.shown.isEmpty());
    engine.Form_LinkExecute(RemoteControl::Command::Start);
    EXPECT_TRUE(engine.EnCours());
    EXPECT_EQ(engine.selection().number(), QStringLiteral("08-36-01-02-03"));
}

TEST_F(ConfigGeneraleTest, ManualResetTakesEffectAtOnce) {
    settings.CoutTotal = 42.5f;

    EXPECT_TRUE(config().CmdRAZTotal());

    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{203, 36, 303, 0}}));
    ExpectManualResetDone(settings.CoutTotal, host, files);
    EXPECT_TRUE(BasOrvalis::MonthlyLogPath(host.instant.date()).startsWith(files.journaux()));
}

TEST_F(ConfigGeneraleTest, ManualResetAnsweredNoChangesNothing) {
    settings.CoutTotal = 42.5f;
    messages.answers = {BasOrvalis::MessageAnswer::No};

    EXPECT_FALSE(config().CmdRAZTotal());

    EXPECT_FLOAT_EQ(settings.CoutTotal, 42.5f);
    EXPECT_EQ(host.totals, 0);
    EXPECT_TRUE(files.contents().isEmpty());
    EXPECT_FALSE(QFile::exists(BasOrvalis::MonthlyLogPath(host.instant.date())));
}

} // namespace
