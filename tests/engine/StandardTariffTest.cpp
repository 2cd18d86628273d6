// The standard tariff: hour ranges, holidays, the time credit and the split
// of a call between full and reduced rate.
#include "engine/EngineFixture.h"

#include "engine/StandardTariff.h"

#include "BasOrvalis/CommunicationTexts.h"

using namespace BasOrvalis;

namespace {

const QString Local = Numbers::AppelLocal;
const QString National = Numbers::DistanceEntries().at(4);

float PerSecond(const Settings& settings, int band) {
    return settings.TarifMinute[static_cast<std::size_t>(band - 1)] / 60.f;
}

} // namespace

// --- Hour ranges ---------------------------------------------------------

struct RangeCase {
    const char* name;
    QDateTime at;
    CommunicationType type;
    QString number;
    int diviseur;
    bool nuit;
    bool forfaitLocal;
    bool libreAcces;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class HourRanges : public EngineFixture, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(HourRanges, SetTheReducedRateAndTheRangesFromTheClock) {
    const RangeCase& c = GetParam();
    settings.TarifPerso = 1;
    settings.PersoReductions = true;
    clock.setNow(c.at);
    engine().CboCommunication_Click(c.type);
    engine().CboNumero_Click(static_cast<int>(engine().selection().numbers().indexOf(c.number)));
    engine().Timer1_Timer();
    const CallState& state = engine().state();
    EXPECT_EQ(state.DiviseurReduit, c.diviseur);
    EXPECT_EQ(state.PlageNuit, c.nuit);
    EXPECT_EQ(state.PlageForfaitLocal, c.forfaitLocal);
    EXPECT_EQ(state.PlageLibreAcces, c.libreAcces);
    const Indicator& hour = engine().panel().indicators[0];
    EXPECT_EQ(hour.text, c.diviseur == 2 ? QStringLiteral("50 %") : QStringLiteral("0 %"));
    EXPECT_EQ(engine().panel().hourColour,
              c.diviseur == 2 ? IndicatorColour::Blue : IndicatorColour::Red);
}

// 2026-12-08 is a Tuesday.
INSTANTIATE_TEST_SUITE_P(
    Standard, HourRanges,
    ::testing::Values(RangeCase{"TuesdayMorning", At(2026, 12, 8, 10, 0),
                                CommunicationType::Standard, Local, 1, false, false, false},
                      RangeCase{"TuesdayBefore8", At(2026, 12, 8, 7, 59, 59),
                                CommunicationType::Standard, Local, 2, true, true, true},
                      RangeCase{"TuesdayAt8", At(2026, 12, 8, 8, 0), CommunicationType::Standard,
                                Local, 1, false, false, false},
                      RangeCase{"TuesdayAt18PackagesOnly", At(2026, 12, 8, 18, 0),
                                CommunicationType::Standard, Local, 1, false, true, true},
                      RangeCase{"TuesdayAt19", At(2026, 12, 8, 19, 0), CommunicationType::Standard,
                                Local, 2, false, true, true},
                      RangeCase{"WednesdayAt15LibreAccesOnly", At(2026, 12, 9, 15, 0),
                                CommunicationType::Standard, Local, 1, false, false, true},
                      RangeCase{"WednesdayAt1359", At(2026, 12, 9, 13, 59),
                                CommunicationType::Standard, Local, 1, false, false, false},
                      RangeCase{"SaturdayNoon", At(2026, 12, 12, 12, 0),
                                CommunicationType::Standard, Local, 2, false, true, true},
                      RangeCase{"FridayAt22Night", At(2026, 12, 11, 22, 0),
                                CommunicationType::Standard, Local, 2, true, true, true},
                      RangeCase{"SundayKiosque1313", At(2026, 12, 13, 12, 0),
                                CommunicationType::Kiosque, Numbers::Kiosque1313, 2, false, true,
                                true},
                      RangeCase{"PersoWithReductions", At(2026, 12, 13, 12, 0),
                                CommunicationType::Perso, QString(), 2, false, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct FullRateCase {
    const char* name;
    CommunicationType type;
    QString number;
};

void PrintTo(const FullRateCase& c, std::ostream* os) {
    *os << c.name;
}

void PrintTo(const QDate& date, std::ostream* os) {
    *os << date.toString(Qt::ISODate).toStdString();
}

class AlwaysFullRate : public EngineFixture, public ::testing::WithParamInterface<FullRateCase> {};

TEST_P(AlwaysFullRate, OnASundayNightAndKeepTheRanges) {
    settings.TarifPerso = 1;
    clock.setNow(At(2026, 12, 13, 23, 0));
    engine().Timer1_Timer();
    const CallState before = engine().state();
    ASSERT_EQ(before.DiviseurReduit, 2);
    engine().CboCommunication_Click(GetParam().type);
    engine().CboNumero_Click(
        static_cast<int>(engine().selection().numbers().indexOf(GetParam().number)));
    clock.setNow(At(2026, 12, 14, 10, 0)); // Monday: the ranges would close
    engine().Timer1_Timer();
    EXPECT_EQ(engine().state().DiviseurReduit, 1);
    EXPECT_EQ(engine().panel().indicators[0].text, QStringLiteral("0 %"));
    EXPECT_EQ(engine().panel().hourColour, IndicatorColour::Red);
    EXPECT_EQ(engine().state().PlageNuit, before.PlageNuit);
    EXPECT_EQ(engine().state().PlageForfaitLocal, before.PlageForfaitLocal);
}

INSTANTIATE_TEST_SUITE_P(Premium, AlwaysFullRate,
                         ::testing::Values(FullRateCase{"Audiotel", CommunicationType::Audiotel,
                                                        Numbers::AudiotelPrefixes().at(0)},
                                           FullRateCase{"Kiosque1414", CommunicationType::Kiosque,
                                                        Numbers::KiosqueNumbers().at(1)},
                                           FullRateCase{"PersoWithoutReductions",
                                                        CommunicationType::Perso, QString()}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Public holidays -------------------------------------------------------

class Holiday : public EngineFixture, public ::testing::WithParamInterface<QDate> {};

TEST_P(Holiday, IsReducedAllDayWithBothPackagesOpen) {
    clock.setNow(QDateTime(GetParam(), QTime(11, 0)));
    engine().CboCommunication_Click(CommunicationType::Standard);
    engine().Timer1_Timer();
    EXPECT_EQ(engine().state().DiviseurReduit, 2);
    EXPECT_TRUE(engine().state().PlageForfaitLocal);
    EXPECT_TRUE(engine().state().PlageLibreAcces);
    EXPECT_EQ(engine().panel().indicators[0].text, QStringLiteral("50 %"));
}

// Easter 2026 is 5 April: Easter Monday 6 April, Ascension 14 May, Whit
// Monday 25 May. 11 November 2026 is a Wednesday, Christmas a Friday.
INSTANTIATE_TEST_SUITE_P(Year2026, Holiday,
                         ::testing::Values(QDate(2026, 4, 6), QDate(2026, 5, 14),
                                           QDate(2026, 5, 25), QDate(2026, 7, 14),
                                           QDate(2026, 11, 11), QDate(2026, 12, 25),
                                           QDate(2026, 1, 1)));

TEST_F(EngineFixture, TheDayAfterEasterMondayIsAWorkingDay) {
    clock.setNow(At(2026, 4, 7, 11, 0));
    engine().CboCommunication_Click(CommunicationType::Standard);
    engine().Timer1_Timer();
    EXPECT_EQ(engine().state().DiviseurReduit, 1);
    EXPECT_FALSE(engine().state().PlageForfaitLocal);
}

// --- Time credit -----------------------------------------------------------

class TimeCredit : public EngineFixture, public ::testing::WithParamInterface<int> {};

TEST_P(TimeCredit, CoversItsSecondsThenEverySecondIsCharged) {
    const int band = GetParam();
    const int credit = static_cast<int>(settings.CreditTemps[static_cast<std::size_t>(band - 1)]);
    startCall(CommunicationType::Standard, Numbers::DistanceEntries().at(band - 1),
              At(2026, 12, 8, 10, 0));
    runFor(1);
    EXPECT_FLOAT_EQ(engine().state().CoutAppel, settings.TarifCreditTemps);
    runFor(credit - 1);
    EXPECT_FLOAT_EQ(engine().state().CoutAppel, settings.TarifCreditTemps);
    runFor(1);
    EXPECT_FLOAT_EQ(engine().state().CoutAppel,
                    settings.TarifCreditTemps + PerSecond(settings, band));
}

INSTANTIATE_TEST_SUITE_P(Bands, TimeCredit, ::testing::Values(1, 2, 3, 4, 5));

TEST_F(EngineFixture, TenMinuteLocalCallByDayAndByNight) {
    startCall(CommunicationType::Standard, Local, At(2026, 12, 8, 10, 0));
    runFor(600);
    EXPECT_NEAR(engine().state().CoutAppel, 2.702f, 1e-5f);
    EXPECT_EQ(engine().coutText(), QStringLiteral("2,702"));
    EXPECT_EQ(engine().totalText(), QStringLiteral("2,70"));
    EXPECT_EQ(engine().dureeText(), QStringLiteral("00:10:00"));
    engine().CmdStart_Stop_Click();

    startCall(CommunicationType::Standard, Local, At(2026, 12, 8, 20, 0));
    runFor(600);
    EXPECT_NEAR(engine().state().CoutAppel, 1.722f, 1e-5f);
    EXPECT_NEAR(settings.CoutTotal, 2.702f + 1.722f, 1e-5f);
}

TEST_F(EngineFixture, CallCrossing19IsPricedInTwoPartsWithoutJump) {
    startCall(CommunicationType::Standard, Local, At(2026, 12, 8, 18, 55));
    runFor(299); // 18:59:59
    const float beforeSeven = engine().state().CoutAppel;
    EXPECT_FLOAT_EQ(engine().state().Unites[1], 119.f);
    runFor(1); // 19:00:00
    const float prix = PerSecond(settings, 1);
    EXPECT_NEAR(engine().state().CoutAppel - beforeSeven, prix / 2.f, 1e-6f);
    runFor(300);
    const CallState& state = engine().state();
    EXPECT_FLOAT_EQ(state.Unites[1], 119.f);
    EXPECT_FLOAT_EQ(state.Unites[2], 301.f);
    EXPECT_FLOAT_EQ(state.Unites[1] + state.Unites[2], 600.f - settings.CreditTemps[0]);
    EXPECT_NEAR(state.CoutAppel, settings.TarifCreditTemps + 119 * prix + 301 * prix / 2, 1e-5f);
}

TEST_F(EngineFixture, NationalCallCrossing8KeepsTheNightSecondsAtHalfRate) {
    startCall(CommunicationType::Standard, National, At(2026, 12, 7, 7, 58));
    runFor(119); // 07:59:59
    EXPECT_FLOAT_EQ(engine().state().Unites[2], 80.f);
    const float beforeEight = engine().state().CoutAppel;
    runFor(1);
    const float prix = PerSecond(settings, 5);
    EXPECT_NEAR(engine().state().CoutAppel - beforeEight, prix, 1e-6f);
    runFor(120);
    EXPECT_FLOAT_EQ(engine().state().Unites[2], 80.f);
    EXPECT_FLOAT_EQ(engine().state().Unites[1], 121.f);
    EXPECT_NEAR(engine().state().CoutAppel, settings.TarifCreditTemps + 80 * prix / 2 + 121 * prix,
                1e-5f);
}

TEST_F(EngineFixture, LateTicksPriceLikeTicksOnTime) {
    startCall(CommunicationType::Standard, Local, At(2026, 12, 8, 10, 0));
    for (const int second : {2, 5, 179, 183, 400, 600})
        tickAt(second);
    const float late = engine().state().CoutAppel;
    engine().CmdStart_Stop_Click();

    startCall(CommunicationType::Standard, Local, At(2026, 12, 8, 11, 0));
    runFor(600);
    EXPECT_FLOAT_EQ(late, engine().state().CoutAppel);
}

TEST_F(EngineFixture, AFirstTickAfterTheCreditStillChargesIt) {
    startCall(CommunicationType::Standard, Local, At(2026, 12, 8, 10, 0));
    tickAt(240);
    EXPECT_NEAR(engine().state().CoutAppel, settings.TarifCreditTemps + 60 * PerSecond(settings, 1),
                1e-5f);
}

TEST_F(EngineFixture, CallCrossingMidnightKeepsCountingAndIsLoggedWithItsStartDate) {
    startCall(CommunicationType::Standard, Local, At(2026, 12, 8, 23, 59, 30));
    runFor(60);
    EXPECT_EQ(engine().dureeText(), QStringLiteral("00:01:00"));
    EXPECT_FLOAT_EQ(engine().state().CoutAppel, settings.TarifCreditTemps);
    engine().CmdStart_Stop_Click();
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Date, QStringLiteral("08/12/26"));
    EXPECT_EQ(log.records[0].HeureDebut, QStringLiteral("23:59:30"));
    EXPECT_EQ(log.records[0].HeureFin, QStringLiteral("00:00:30"));
    EXPECT_EQ(log.records[0].Duree, QStringLiteral("00:01:00"));
}

TEST(StandardTariff, UnknownBandKeepsTheValuesOfThePreviousCall) {
    const Settings settings;
    const QString unknown = QStringLiteral("01 02 03 04 05");
    // At program start both values are 0: the call costs its credit alone.
    CallState state;
    state.DureeSecondes = 600.f;
    TariffEngine::CalculStandard(state, settings, unknown);
    EXPECT_FLOAT_EQ(state.CoutAppel, settings.TarifCreditTemps);

    CallState next;
    next.DureeSecondes = 600.f;
    TariffEngine::CalculStandard(next, settings, National);
    next.Unites = {};
    TariffEngine::CalculStandard(next, settings, unknown);
    EXPECT_FLOAT_EQ(next.CreditEnCours, settings.CreditTemps[4]);
    EXPECT_FLOAT_EQ(next.PrixSeconde, PerSecond(settings, 5));
}

TEST_F(EngineFixture, ADisplayThatWrapsAfterADayStillPricesTheWholeCall) {
    // Saturday 00:00 to Sunday 01:00: the week-end rate throughout.
    startCall(CommunicationType::Standard, Local, At(2026, 12, 12, 0, 0));
    tickAt(25 * 3600);
    EXPECT_EQ(engine().dureeText(), QStringLiteral("01:00:00"));
    EXPECT_FLOAT_EQ(engine().state().DureeSecondes, 25.f * 3600);
    EXPECT_NEAR(engine().state().CoutAppel,
                settings.TarifCreditTemps + (25 * 3600 - 180) * PerSecond(settings, 1) / 2, 1e-2f);
}
