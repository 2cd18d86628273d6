// The periods of the statistics: the month, quarter or year that holds a
// day, or the days from one date to another, each stepped back and forth
// and named as the window names it.
#include "core/StatisticsPeriod.h"

#include <gtest/gtest.h>

using BasJournal::StatisticsPeriod;
using Kind = StatisticsPeriod::Kind;

TEST(StatisticsPeriodTest, APeriodHoldsItsDayStepsByItsLengthAndIsNamed) {
    const QLocale french(QLocale::French, QLocale::France);
    const struct {
        StatisticsPeriod period;
        QDate first;
        QDate last;
        QString text;
        QDate nextFirst;
        QDate nextLast;
    } rows[] = {
        {StatisticsPeriod::holding(Kind::Month, {2027, 2, 14}),
         {2027, 2, 1},
         {2027, 2, 28},
         QStringLiteral("février 2027"),
         {2027, 3, 1},
         {2027, 3, 31}},
        {StatisticsPeriod::holding(Kind::Quarter, {2027, 2, 14}),
         {2027, 1, 1},
         {2027, 3, 31},
         QStringLiteral("1er trimestre 2027"),
         {2027, 4, 1},
         {2027, 6, 30}},
        {StatisticsPeriod::holding(Kind::Year, {2027, 2, 14}),
         {2027, 1, 1},
         {2027, 12, 31},
         QStringLiteral("2027"),
         {2028, 1, 1},
         {2028, 12, 31}},
        // Dates given the other way round; the next period is as long.
        {StatisticsPeriod::between({2027, 3, 15}, {2027, 3, 1}),
         {2027, 3, 1},
         {2027, 3, 15},
         QStringLiteral("du 01/03/2027 au 15/03/2027"),
         {2027, 3, 16},
         {2027, 3, 30}},
    };
    for (const auto& row : rows) {
        const StatisticsPeriod& period = row.period;
        EXPECT_EQ(period.days().first, row.first) << row.text.toStdString();
        EXPECT_EQ(period.days().last, row.last) << row.text.toStdString();
        EXPECT_EQ(period.text(french), row.text);
        const StatisticsPeriod next = period.shifted(1);
        EXPECT_EQ(next.kind(), period.kind());
        EXPECT_EQ(next.days().first, row.nextFirst) << row.text.toStdString();
        EXPECT_EQ(next.days().last, row.nextLast) << row.text.toStdString();
        EXPECT_EQ(next.shifted(-1), period);
    }
    // The journal on screen counts every call it holds.
    const StatisticsPeriod journal;
    EXPECT_FALSE(journal.days().first.isValid() || journal.days().last.isValid());
    EXPECT_EQ(journal.shifted(1), journal);
}
