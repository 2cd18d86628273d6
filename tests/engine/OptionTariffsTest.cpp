// The options priced by the second: Primaliste and its zones, Primaliste
// Internet and its night, Temporalis slices, Numéris Itoo, the personalised
// tariff.
#include "engine/EngineFixture.h"

#include "engine/OptionTariffs.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/ToSingle.h"

using namespace BasOrvalis;

namespace {

float PerSecond(const Settings& settings, int band) {
    return settings.TarifMinute[static_cast<std::size_t>(band - 1)] / 60.f;
}

} // namespace

// --- Primaliste --------------------------------------------------------------

class PrimalisteZone : public EngineFixture, public ::testing::WithParamInterface<int> {};

TEST_P(PrimalisteZone, PricesTheNumberInItsBandAtThreeQuarters) {
    const int zone = GetParam();
    settings.AboPrimaliste = 1;
    settings.NumerosPrimaliste[2] = QStringLiteral("01 40 00 00 02");
    settings.ZonesPrimaliste[2] = zone;
    startCall(CommunicationType::Primaliste, settings.NumerosPrimaliste[2], At(2026, 12, 8, 10, 0));
    runFor(600);
    const float credit = settings.CreditTemps[static_cast<std::size_t>(zone - 1)];
    EXPECT_FLOAT_EQ(engine().state().CreditEnCours, credit);
    EXPECT_NEAR(engine().state().CoutAppel,
                settings.TarifCreditTemps + (600 - credit) * PerSecond(settings, zone) * 0.75f,
                1e-5f);
    EXPECT_EQ(engine().panel().indicators[1].text, QStringLiteral("25 %"));
    EXPECT_EQ(engine().panel().indicators[2].text, QStringLiteral("25 %"));
    engine().CmdStart_Stop_Click();
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Libelle, QStringLiteral("Primaliste: 01 40 00 00 02"));
}

INSTANTIATE_TEST_SUITE_P(Zones, PrimalisteZone, ::testing::Values(1, 2, 3, 4, 5));

TEST_F(EngineFixture, PrimalisteAtNightShowsTheCombinedReduction) {
    settings.AboPrimaliste = 1;
    settings.NumerosPrimaliste[1] = QStringLiteral("0140000001");
    startCall(CommunicationType::Primaliste, settings.NumerosPrimaliste[1], At(2026, 12, 8, 21, 0));
    runFor(600);
    EXPECT_EQ(engine().panel().indicators[2].text, QStringLiteral("62.5 %"));
    EXPECT_NEAR(engine().state().CoutAppel,
                settings.TarifCreditTemps + 420 * PerSecond(settings, 1) / 2 * 0.75f, 1e-5f);
}

TEST_F(EngineFixture, PrimalisteZoneOutOfRangeKeepsThePreviousBand) {
    settings.AboPrimaliste = 1;
    settings.NumerosPrimaliste[1] = QStringLiteral("0140000001");
    settings.ZonesPrimaliste[1] = 9;
    startCall(CommunicationType::Standard, Numbers::DistanceEntries().at(3),
              At(2026, 12, 8, 10, 0));
    runFor(10);
    engine().CmdStart_Stop_Click();
    startCall(CommunicationType::Primaliste, settings.NumerosPrimaliste[1], At(2026, 12, 8, 11, 0));
    runFor(100);
    EXPECT_FLOAT_EQ(engine().state().CreditEnCours, settings.CreditTemps[3]);
    EXPECT_FLOAT_EQ(engine().state().PrixSeconde, PerSecond(settings, 4));
}

TEST_F(EngineFixture, UnconfiguredPrimalisteNumberStopsTheCallAndOffersTheServices) {
    settings.AboPrimaliste = 1;
    messages.answers = {MessageAnswer::Yes};
    startCall(CommunicationType::Primaliste, Numbers::NonConfigure, At(2026, 12, 8, 10, 0));
    runFor(3);
    EXPECT_FALSE(engine().EnCours());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, 214);
    EXPECT_EQ(messages.shown[0].buttons, 52);
    EXPECT_EQ(messages.shown[0].line, 314);
    EXPECT_EQ(messages.shown[0].second, 414);
    EXPECT_EQ(host.pages, QVector<int>{0});
    EXPECT_TRUE(log.records.isEmpty());
    EXPECT_FLOAT_EQ(settings.CoutTotal, 0.f);
}

TEST_F(EngineFixture, UnconfiguredNumberAnsweredNoOpensNothing) {
    settings.AboPrimalisteInternet = 1;
    startCall(CommunicationType::PrimalisteInternet, Numbers::NonConfigure, At(2026, 12, 8, 23, 0));
    runFor(1);
    EXPECT_FALSE(engine().EnCours());
    EXPECT_TRUE(host.pages.isEmpty());
}

// --- Primaliste Internet -----------------------------------------------------

class PrimalisteInternet : public EngineFixture {
protected:
    PrimalisteInternet() {
        settings.AboPrimalisteInternet = 1;
        settings.NumerosPrimaliste[PrimalisteInternetIndex] = QStringLiteral("0860000000");
    }
    const QString& number() const { return settings.NumerosPrimaliste[PrimalisteInternetIndex]; }
};

TEST_F(PrimalisteInternet, IsRefusedByDayWithoutRecord) {
    startCall(CommunicationType::PrimalisteInternet, number(), At(2026, 12, 8, 21, 59));
    runFor(1);
    EXPECT_FALSE(engine().EnCours());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, 206);
    EXPECT_EQ(messages.shown[0].buttons, MessageStyle::Information);
    EXPECT_EQ(messages.shown[0].line, 306);
    EXPECT_EQ(messages.shown[0].second, 406);
    EXPECT_TRUE(log.records.isEmpty());
    EXPECT_FLOAT_EQ(settings.CoutTotal, 0.f);
}

TEST_F(PrimalisteInternet, IsPricedAtAQuarterAfterHalfACreditAtNight) {
    startCall(CommunicationType::PrimalisteInternet, number(), At(2026, 12, 8, 22, 0));
    runFor(179);
    EXPECT_FLOAT_EQ(engine().state().CoutAppel, settings.TarifCreditTemps / 2);
    runFor(421);
    EXPECT_NEAR(engine().state().CoutAppel,
                420 * PerSecond(settings, 1) / 2 * 0.5f + settings.TarifCreditTemps / 2, 1e-5f);
    EXPECT_EQ(engine().panel().indicators[2].text, QStringLiteral("75 %"));
    engine().CmdStart_Stop_Click();
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Libelle, QStringLiteral("Primaliste NET: 0860000000"));
}

TEST_F(PrimalisteInternet, IsStoppedAt8WithoutRecordAndItsCostStaysInTheTotal) {
    startCall(CommunicationType::PrimalisteInternet, number(), At(2026, 12, 8, 7, 50));
    runFor(599); // 07:59:59
    const float cost = engine().state().CoutAppel;
    EXPECT_TRUE(engine().EnCours());
    runFor(1);
    EXPECT_FALSE(engine().EnCours());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, 206);
    EXPECT_TRUE(log.records.isEmpty());
    EXPECT_FLOAT_EQ(settings.CoutTotal, cost);
    EXPECT_FLOAT_EQ(ToSingle(store.read(Sections::Parametres, Keys::CoutTotal)), cost);
}

// --- Temporalis --------------------------------------------------------------

struct SliceCase {
    int seconds;
    QString option;
    QString combinedFull;
};

void PrintTo(const SliceCase& c, std::ostream* os) {
    *os << c.seconds << " s";
}

class TemporalisSlice : public EngineFixture, public ::testing::WithParamInterface<SliceCase> {};

TEST_P(TemporalisSlice, ShowsTheReductionOfTheLengthReached) {
    settings.AboTemporalis = 1;
    startCall(CommunicationType::Temporalis, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    runFor(GetParam().seconds);
    EXPECT_EQ(engine().panel().indicators[1].text, GetParam().option);
    EXPECT_EQ(engine().panel().indicators[2].text, GetParam().combinedFull);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TemporalisSlice,
                         ::testing::Values(SliceCase{299, "0 %", "0 %"},
                                           SliceCase{300, "10 %", "10 %"},
                                           SliceCase{599, "10 %", "10 %"},
                                           SliceCase{600, "20 %", "20 %"},
                                           SliceCase{900, "30 %", "30 %"}));

TEST_F(EngineFixture, TemporalisTenMinutesWeighsTheSlices) {
    settings.AboTemporalis = 1;
    startCall(CommunicationType::Temporalis, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    runFor(600);
    const auto& slices = engine().state().SecondesTemporalis;
    EXPECT_FLOAT_EQ(slices[0], 299.f);
    EXPECT_FLOAT_EQ(slices[1], 270.f);
    EXPECT_NEAR(slices[2], 0.8f, 1e-5f);
    EXPECT_NEAR(engine().state().CoutAppel, settings.TarifCreditTemps + (569.8f - 180) * 0.28f / 60,
                1e-5f);
}

TEST_F(EngineFixture, TemporalisLateTickWeighsLikeTicksOnTime) {
    settings.AboTemporalis = 1;
    startCall(CommunicationType::Temporalis, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    for (const int second : {10, 250, 700, 1000})
        tickAt(second);
    const float late = engine().state().CoutAppel;
    engine().CmdStart_Stop_Click();
    startCall(CommunicationType::Temporalis, Numbers::AppelLocal, At(2026, 12, 8, 11, 0));
    runFor(1000);
    EXPECT_FLOAT_EQ(late, engine().state().CoutAppel);
}

TEST_F(EngineFixture, TemporalisByNightCombinesWithTheReducedRate) {
    settings.AboTemporalis = 1;
    startCall(CommunicationType::Temporalis, Numbers::AppelLocal, At(2026, 12, 8, 20, 0));
    runFor(650);
    EXPECT_EQ(engine().panel().indicators[2].text, QStringLiteral("60 %"));
}

// --- Numéris Itoo and the personalised tariff ---------------------------------

TEST_F(EngineFixture, NumerisChargesSixTenthsOfTheCreditAndOfEverySecond) {
    startCall(CommunicationType::Numeris, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    runFor(180);
    EXPECT_NEAR(engine().state().CoutAppel, 0.4452f, 1e-6f);
    EXPECT_EQ(engine().panel().indicators[1].text, QStringLiteral("40 %"));
    EXPECT_EQ(engine().panel().indicators[2].text, QStringLiteral("40 %"));
    runFor(60);
    EXPECT_NEAR(engine().state().CoutAppel, 0.4452f + 60 * PerSecond(settings, 1) * 0.6f, 1e-6f);
}

TEST_F(EngineFixture, NumerisByNightShowsSeventyPercent) {
    startCall(CommunicationType::Numeris, Numbers::AppelLocal, At(2026, 12, 8, 23, 0));
    runFor(1);
    EXPECT_EQ(engine().panel().indicators[2].text, QStringLiteral("70 %"));
}

class Perso : public EngineFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(Perso, UsesItsOwnCreditAndPriceAndItsReductionsOnlyWhenAsked) {
    settings.TarifPerso = 1;
    settings.PersoNumero = QStringLiteral("00 44 20 7946 0000");
    settings.PersoDureeCredit = 60.f;
    settings.PersoTarifCredit = 1.5f;
    settings.PersoCoutMinute = 3.f;
    settings.PersoReductions = GetParam();
    startCall(CommunicationType::Perso, settings.PersoNumero, At(2026, 12, 12, 12, 0)); // Saturday
    runFor(60);
    EXPECT_FLOAT_EQ(engine().state().CoutAppel, 1.5f);
    runFor(60);
    const float divisor = GetParam() ? 2.f : 1.f;
    EXPECT_NEAR(engine().state().CoutAppel, 1.5f + 3.f * 60 / 60 / divisor, 1e-5f);
    EXPECT_EQ(engine().panel().title, QStringLiteral("Réduction Tarification Personnalisée"));
    engine().CmdStart_Stop_Click();
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Libelle, QStringLiteral("Perso: 00 44 20 7946 0000"));
}

INSTANTIATE_TEST_SUITE_P(Reductions, Perso, ::testing::Bool());

TEST(OptionTariffs, RemainingPackageTimeNeverGoesBelowZero) {
    EXPECT_EQ(TariffEngine::TempsRestant(QTime(6, 0), 600), QTime(5, 50));
    EXPECT_EQ(TariffEngine::TempsRestant(QTime(0, 0, 10), 11), QTime(0, 0));
}
