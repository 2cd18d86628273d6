// The automatic reset of the total: the day rules of both periods, the
// parity of the months, the month compared without its year, and the reset
// itself at the load of the window.
#include "engine/EngineFixture.h"

#include "engine/AutoReset.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "platform/LocaleFormats.h"

using namespace BasOrvalis;

namespace {

struct RuleCase {
    const char* name;
    QString periode;
    QString razDate;
    QDate derniereRaz;
    QDate started;
    bool due;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

const QDate NeverReset(1899, 12, 30);

} // namespace

class ResetRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ResetRule, IsDueFromItsDayOncePerMonth) {
    const RuleCase& c = GetParam();
    const StartDate start = StartDateOf(c.started);
    QDate derniere = c.derniereRaz;
    const bool notDue = c.periode == QStringLiteral("Mensuelle")
                            ? TariffEngine::RazMensuelle(c.razDate, derniere, start, c.started)
                            : TariffEngine::RazBimestrielle(c.razDate, derniere, start, c.started);
    EXPECT_EQ(!notDue, c.due);
    EXPECT_EQ(derniere, c.due ? c.started : c.derniereRaz);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ResetRule,
    ::testing::Values(RuleCase{"MonthlyBeforeTheDay", "Mensuelle", "Le 10 du mois",
                               QDate(2026, 3, 12), QDate(2026, 4, 9), false},
                      RuleCase{"MonthlyOnTheDay", "Mensuelle", "Le 10 du mois", QDate(2026, 3, 12),
                               QDate(2026, 4, 10), true},
                      RuleCase{"MonthlyAlreadyDone", "Mensuelle", "Le 10 du mois",
                               QDate(2026, 4, 10), QDate(2026, 4, 28), false},
                      RuleCase{"MonthlyFirstOfTheMonth", "Mensuelle", "Le 1er du mois",
                               QDate(2026, 3, 1), QDate(2026, 4, 1), true},
                      RuleCase{"MonthlyDay25", "Mensuelle", "Le 25 du mois", QDate(2026, 3, 1),
                               QDate(2026, 4, 24), false},
                      RuleCase{"EvenRuleInOddMonth", "Bimestrielle", "Le 5 des mois Pair",
                               QDate(2026, 1, 5), QDate(2026, 3, 7), false},
                      RuleCase{"EvenRuleInEvenMonth", "Bimestrielle", "Le 5 des mois Pair",
                               QDate(2026, 2, 5), QDate(2026, 4, 7), true},
                      RuleCase{"OddRuleBeforeTheDay", "Bimestrielle", "Le 5 des mois Impair",
                               QDate(2026, 3, 5), QDate(2026, 5, 3), false},
                      RuleCase{"OddRuleOnTheDay", "Bimestrielle", "Le 5 des mois Impair",
                               QDate(2026, 3, 5), QDate(2026, 5, 5), true},
                      RuleCase{"OddRuleInEvenMonth", "Bimestrielle", "Le 1er des mois Impair",
                               QDate(2026, 3, 1), QDate(2026, 4, 20), false},
                      RuleCase{"EvenRuleDecember", "Bimestrielle", "Le 20 des mois Pair",
                               QDate(2026, 10, 20), QDate(2026, 12, 20), true},
                      RuleCase{"NeverResetCannotResetInDecember", "Mensuelle", "Le 1er du mois",
                               NeverReset, QDate(2026, 12, 15), false},
                      RuleCase{"NeverResetResetsInJanuary", "Mensuelle", "Le 1er du mois",
                               NeverReset, QDate(2027, 1, 15), true},
                      RuleCase{"SameMonthOfAnotherYear", "Mensuelle", "Le 1er du mois",
                               QDate(2025, 3, 2), QDate(2026, 3, 20), false},
                      RuleCase{"MonthlyTextWithTwoMonthPeriod", "Bimestrielle", "Le 10 du mois",
                               QDate(2026, 1, 10), QDate(2026, 4, 20), false},
                      RuleCase{"TwoMonthTextWithMonthlyPeriod", "Mensuelle", "Le 5 des mois Pair",
                               QDate(2026, 1, 10), QDate(2026, 4, 20), false}),
    [](const auto& info) { return std::string(info.param.name); });

class AutoReset : public EngineFixture {
protected:
    AutoReset() {
        clock.setNow(At(2026, 12, 3, 9, 0));
        settings.CoutTotal = 12.5f;
        settings.RazAutoTotal = 1;
        settings.RazPeriode = QStringLiteral("Mensuelle");
        settings.RazDate = QStringLiteral("Le 1er du mois");
        settings.DerniereRaz = QDate(2026, 11, 2);
    }
};

TEST_F(AutoReset, ClearsTheTotalLogsItSavesItAndTellsTheUser) {
    engine().Form_Load();
    EXPECT_FLOAT_EQ(settings.CoutTotal, 0.f);
    EXPECT_EQ(engine().totalText(), QStringLiteral("0,00"));
    EXPECT_EQ(settings.DerniereRaz, QDate(2026, 12, 3));
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Libelle, QStringLiteral("* Remise à zéro du Coût Total "));
    EXPECT_EQ(store.read(Sections::Parametres, Keys::CoutTotal), QStringLiteral("0,000"));
    EXPECT_EQ(store.read(Sections::Parametres, Keys::DerniereRaz),
              LocaleFormats::shortDate(QDate(2026, 12, 3)));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, 211);
    EXPECT_EQ(messages.shown[0].buttons, MessageStyle::Information);
    EXPECT_EQ(messages.shown[0].line, 311);
}

TEST_F(AutoReset, DisabledReadsAndWritesNothing) {
    settings.RazAutoTotal = 0;
    engine().Form_Load();
    EXPECT_FLOAT_EQ(settings.CoutTotal, 12.5f);
    EXPECT_TRUE(store.keys(Sections::Parametres).isEmpty());
    EXPECT_TRUE(log.records.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(engine().totalText(), QStringLiteral("12,50"));
}

TEST_F(AutoReset, NoPeriodChosenMeansNoReset) {
    settings.RazPeriode = FaitesUneSelection;
    engine().Form_Load();
    EXPECT_FLOAT_EQ(settings.CoutTotal, 12.5f);
    EXPECT_TRUE(log.records.isEmpty());
}
