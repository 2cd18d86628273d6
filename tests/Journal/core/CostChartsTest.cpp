// The bars of the cost chart over a period: per day up to two months, per
// week up to six, per month beyond, every day, week or month shown.
#include "core/CostCharts.h"

#include <gtest/gtest.h>

using BasJournal::JournalStatistics;
using BasJournal::CostCharts::costOverTime;

namespace {

JournalStatistics over(const QDate& first, const QDate& last,
                       const QVector<std::pair<QDate, double>>& costs) {
    JournalStatistics statistics;
    statistics.period = {first, last};
    for (const auto& [day, cost] : costs)
        statistics.byDay.append({day, {1, 60, cost}});
    return statistics;
}

} // namespace

TEST(CostChartsTest, DaysWeeksOrMonthsAsThePeriodGrows) {
    const QLocale french(QLocale::French, QLocale::France);
    const auto days = costOverTime(
        over({2027, 2, 27}, {2027, 3, 2}, {{{2027, 2, 27}, 1.5}, {{2027, 3, 2}, 2}}), french);
    EXPECT_EQ(days.title, QStringLiteral("Coût par jour"));
    EXPECT_EQ(days.categories, (QStringList{"27/02", "28/02", "01/03", "02/03"}));
    EXPECT_EQ(days.tips.first(), QStringLiteral("samedi 27 février 2027"));
    EXPECT_EQ(days.values, (QVector<double>{1.5, 0, 0, 2}));

    const auto english = costOverTime(over({2027, 2, 27}, {2027, 2, 27}, {{{2027, 2, 27}, 1.5}}),
                                      QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.categories, QStringList{"2/27"});

    // A quarter from a Friday: the first week is cut to the period.
    const auto weeks =
        costOverTime(over({2027, 1, 1}, {2027, 3, 31},
                          {{{2027, 1, 2}, 1}, {{2027, 1, 4}, 2}, {{2027, 3, 31}, 4}}),
                     french);
    EXPECT_EQ(weeks.title, QStringLiteral("Coût par semaine"));
    EXPECT_EQ(weeks.categories.size(), 14);
    EXPECT_EQ(weeks.categories.first(), QStringLiteral("01/01"));
    EXPECT_EQ(weeks.categories.at(1), QStringLiteral("04/01"));
    EXPECT_EQ(weeks.values.mid(0, 2), (QVector<double>{1, 2}));
    EXPECT_EQ(weeks.values.last(), 4);

    const auto months =
        costOverTime(over({2027, 1, 1}, {2027, 12, 31},
                          {{{2027, 1, 5}, 2}, {{2027, 1, 31}, 1}, {{2027, 4, 1}, 4}}),
                     french);
    EXPECT_EQ(months.title, QStringLiteral("Coût par mois"));
    EXPECT_EQ(months.categories.size(), 12);
    EXPECT_EQ(months.tips.at(3), QStringLiteral("avril 2027"));
    EXPECT_EQ(months.values.mid(0, 4), (QVector<double>{3, 0, 0, 4}));
}
