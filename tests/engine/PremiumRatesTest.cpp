// Kiosque Micro and Audiotel: the rate lists, every row of the price tables,
// 08-36-01-13-13 across the changes of rate, and a rate list left empty.
#include "engine/EngineFixture.h"

#include "engine/PremiumRates.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/ToSingle.h"

using namespace BasOrvalis;

namespace {

const QStringList& Kiosque() {
    return Numbers::KiosqueNumbers();
}

const QStringList& Audiotel() {
    return Numbers::AudiotelPrefixes();
}

} // namespace

// --- Rate lists ----------------------------------------------------------------

struct RateListCase {
    int number;
    std::vector<float> rates;
    QString title;
};

void PrintTo(const RateListCase& c, std::ostream* os) {
    *os << Numbers::KiosqueNumbers().at(c.number).toStdString();
}

class RateList : public EngineFixture, public ::testing::WithParamInterface<RateListCase> {};

TEST_P(RateList, IsFilledWhenTheNumberIsChosenAndSelectsTheFirstRate) {
    const RateListCase& c = GetParam();
    engine().CboCommunication_Click(CommunicationType::Kiosque);
    EXPECT_TRUE(engine().selection().ratesVisible());
    engine().CboNumero_Click(c.number);
    const QStringList& rates = engine().selection().rates();
    ASSERT_EQ(rates.size(), static_cast<int>(c.rates.size()));
    for (int i = 0; i < rates.size(); ++i) {
        EXPECT_FALSE(rates[i].contains(QLatin1Char('.'))) << "French texts use a comma";
        EXPECT_FLOAT_EQ(ToSingle(rates[i]), c.rates[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(engine().selection().rateIndex(), 0);
    EXPECT_EQ(engine().panel().title, c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, RateList,
    ::testing::Values(RateListCase{0, {0.25f}, QStringLiteral("Réductions Kiosque Micro")},
                      RateListCase{1, {0.37f}, QStringLiteral("Pas de réduction applicable")},
                      RateListCase{2,
                                   {0.f, 0.37f, 0.25f, 0.45f, 0.85f, 1.01f, 1.29f, 2.23f},
                                   QStringLiteral("Pas de réduction applicable")},
                      RateListCase{3, {1.29f}, QStringLiteral("Pas de réduction applicable")},
                      RateListCase{4,
                                   {0.37f, 2.23f, 3.48f, 5.57f, 9.21f},
                                   QStringLiteral("Pas de réduction applicable")}));

TEST_F(EngineFixture, RatesAreHiddenForOtherTypes) {
    engine().CboCommunication_Click(CommunicationType::Kiosque);
    engine().CboCommunication_Click(CommunicationType::Audiotel);
    EXPECT_FALSE(engine().selection().ratesVisible());
    EXPECT_TRUE(engine().selection().rates().isEmpty());
}

// --- Kiosque Micro prices ---------------------------------------------------------

struct KiosqueCase {
    const char* name;
    int number;
    int rate;
    QDateTime start;
    int seconds;
    float cost;
};

void PrintTo(const KiosqueCase& c, std::ostream* os) {
    *os << c.name;
}

class KiosquePrice : public EngineFixture, public ::testing::WithParamInterface<KiosqueCase> {};

TEST_P(KiosquePrice, ChargesEveryStartedMinuteAndTheConnection) {
    const KiosqueCase& c = GetParam();
    startCall(CommunicationType::Kiosque, Kiosque().at(c.number), c.start, c.rate);
    runFor(c.seconds);
    EXPECT_NEAR(engine().state().CoutAppel, c.cost, 1e-5f);
}

// 2026-12-08 is a Tuesday, 2026-12-13 a Sunday.
INSTANTIATE_TEST_SUITE_P(
    Rows, KiosquePrice,
    ::testing::Values(
        KiosqueCase{"Free1515FirstSecond", 2, 0, At(2026, 12, 8, 10, 0), 1, 0.12f},
        KiosqueCase{"Free1515AfterTenMinutes", 2, 0, At(2026, 12, 8, 10, 0), 600, 0.12f},
        KiosqueCase{"Top1515", 2, 7, At(2026, 12, 8, 10, 0), 1, 2.23f + 0.12f},
        KiosqueCase{"Top1717At59s", 4, 4, At(2026, 12, 8, 10, 0), 59, 9.33f},
        KiosqueCase{"Top1717At60s", 4, 4, At(2026, 12, 8, 10, 0), 60, 18.54f},
        KiosqueCase{"First1717", 4, 0, At(2026, 12, 8, 10, 0), 30, 0.37f + 0.12f},
        KiosqueCase{"Kiosque1414NotReducedOnSunday", 1, 0, At(2026, 12, 13, 10, 0), 120,
                    3 * 0.37f + 0.12f},
        KiosqueCase{"Kiosque1616", 3, 0, At(2026, 12, 8, 10, 0), 61, 2 * 1.29f + 0.12f},
        KiosqueCase{"Kiosque1313ByDay", 0, 0, At(2026, 12, 8, 10, 0), 120, 3 * 0.25f + 0.12f},
        KiosqueCase{"Kiosque1313OnSunday", 0, 0, At(2026, 12, 13, 10, 0), 120, 0.495f},
        KiosqueCase{"Kiosque1313Crossing19", 0, 0, At(2026, 12, 7, 18, 58), 240,
                    2 * 0.25f + 1.5f * 0.25f + 0.12f},
        KiosqueCase{"Kiosque1313Crossing8", 0, 0, At(2026, 12, 7, 7, 58), 240,
                    1 * 0.25f + 3 * 0.25f + 0.12f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineFixture, Kiosque1313FromReducedToFullRateChargesEachMinuteOnce) {
    startCall(CommunicationType::Kiosque, Numbers::Kiosque1313, At(2026, 12, 7, 7, 58, 30));
    runFor(89); // 07:59:59, two minutes started at the reduced rate
    EXPECT_FLOAT_EQ(engine().state().Unites[2], 1.f);
    const float beforeEight = engine().state().CoutAppel;
    runFor(1); // 08:00:00, still in the second minute
    EXPECT_FLOAT_EQ(engine().state().CoutAppel, beforeEight);
    runFor(30); // 08:00:30, third minute at full rate
    EXPECT_FLOAT_EQ(engine().state().Unites[1], 1.f);
    EXPECT_NEAR(engine().state().CoutAppel, beforeEight + 0.25f, 1e-6f);
}

TEST(PremiumRates, KiosqueWithoutRateChargesNothing) {
    CallState state;
    state.DureeSecondes = 300.f;
    for (const QString& number : Kiosque()) {
        TariffEngine::CalculKiosque(state, number, QString());
        EXPECT_FLOAT_EQ(state.CoutAppel, 0.f);
    }
}

TEST(PremiumRates, StartedMinutes) {
    EXPECT_FLOAT_EQ(TariffEngine::StartedMinutes(1), 1.f);
    EXPECT_FLOAT_EQ(TariffEngine::StartedMinutes(59), 1.f);
    EXPECT_FLOAT_EQ(TariffEngine::StartedMinutes(60), 2.f);
}

// --- Audiotel ----------------------------------------------------------------------

struct AudiotelCase {
    int prefix;
    int seconds;
    float cost;
};

void PrintTo(const AudiotelCase& c, std::ostream* os) {
    *os << Numbers::AudiotelPrefixes().at(c.prefix).toStdString() << " " << c.seconds << " s";
}

class AudiotelPrice : public EngineFixture, public ::testing::WithParamInterface<AudiotelCase> {};

TEST_P(AudiotelPrice, CountsTimeCreditsWithoutReduction) {
    const AudiotelCase& c = GetParam();
    startCall(CommunicationType::Audiotel, Audiotel().at(c.prefix),
              At(2026, 12, 13, 23, 0)); // Sunday night
    runFor(c.seconds);
    EXPECT_NEAR(engine().state().CoutAppel, c.cost, 1e-5f);
    EXPECT_EQ(engine().state().DiviseurReduit, 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, AudiotelPrice,
                         ::testing::Values(AudiotelCase{0, 1, 0.742f}, AudiotelCase{0, 60, 1.484f},
                                           AudiotelCase{1, 1, 3.71f}, AudiotelCase{1, 3600, 3.71f},
                                           AudiotelCase{2, 1, 3.71f}, AudiotelCase{3, 30, 1.484f},
                                           AudiotelCase{3, 61, 2.968f}, AudiotelCase{4, 61, 4.452f},
                                           AudiotelCase{5, 1, 2.226f}, AudiotelCase{6, 30, 11.13f},
                                           AudiotelCase{6, 90, 2 * 2.226f + 8.904f}));

TEST_F(EngineFixture, AudiotelIsLoggedUnderItsPrefix) {
    startCall(CommunicationType::Audiotel, Audiotel().at(6), At(2026, 12, 8, 10, 0));
    runFor(30);
    engine().CmdStart_Stop_Click();
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Libelle, QStringLiteral("Audiotel: 08-36-70-XX-XX"));
    EXPECT_EQ(log.records[0].Cout, QStringLiteral("11,13"));
    EXPECT_TRUE(engine().panel().singleIndicator);
    EXPECT_EQ(engine().panel().title, QStringLiteral("Pas de réduction applicable"));
}

TEST(PremiumRates, UnknownAudiotelPrefixLeavesTheCost) {
    CallState state;
    state.CoutAppel = 1.5f;
    state.DureeSecondes = 10.f;
    TariffEngine::CalculAudiotel(state, Settings(), QStringLiteral("08-36-71"));
    EXPECT_FLOAT_EQ(state.CoutAppel, 1.5f);
}
