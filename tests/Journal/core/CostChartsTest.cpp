// The bars of the cost charts: every day from the first call to the last,
// months once the calls span more than two months.
#include "core/CostCharts.h"

#include <gtest/gtest.h>

using BasJournal::JournalStatistics;
using BasJournal::CostCharts::costByDay;

namespace {

JournalStatistics onDays(const QVector<std::pair<QDate, double>>& costs) {
    JournalStatistics statistics;
    for (const auto& [day, cost] : costs)
        statistics.byDay.append({day, {1, 60, cost}});
    return statistics;
}

} // namespace

TEST(CostChartsTest, DaysWithoutCallsShowAsEmptyBarsUntilTheCallsSpanMonths) {
    const QLocale french(QLocale::French, QLocale::France);
    const auto days =
        costByDay(onDays({{QDate(2027, 2, 27), 1.5}, {QDate(2027, 3, 2), 2}}), french);
    EXPECT_EQ(days.title, QStringLiteral("Coût par jour"));
    EXPECT_EQ(days.categories, (QStringList{"27/02", "28/02", "01/03", "02/03"}));
    EXPECT_EQ(days.values, (QVector<double>{1.5, 0, 0, 2}));

    const auto english = costByDay(onDays({{QDate(2027, 2, 27), 1.5}}),
                                   QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.categories, QStringList{"2/27"});

    const auto months = costByDay(
        onDays({{QDate(2027, 1, 5), 2}, {QDate(2027, 1, 31), 1}, {QDate(2027, 4, 1), 4}}), french);
    EXPECT_EQ(months.title, QStringLiteral("Coût par mois"));
    EXPECT_EQ(months.categories.size(), 4);
    EXPECT_EQ(months.values, (QVector<double>{3, 0, 0, 4}));
}
