// The bars of the statistics window's charts: the cost of the calls over
// the period, per day up to about two months, per week up to about six,
// per month beyond, every day, week or month of it shown, and the cost per
// hour of the day the calls started.
#pragma once

#include "core/JournalStatistics.h"

#include <QLocale>
#include <QStringList>
#include <QVector>

namespace BasJournal {

struct BarChartData {
    QString title;
    // The short label under each bar.
    QStringList categories;
    // What each bar stands for, in full.
    QStringList tips;
    QVector<double> values;
};

namespace CostCharts {

// The longest periods shown per day and per week.
constexpr int MaxDays = 62;
constexpr int MaxWeekDays = 183;

BarChartData costOverTime(const JournalStatistics& statistics, const QLocale& locale = QLocale());
BarChartData costByHour(const JournalStatistics& statistics);

} // namespace CostCharts
} // namespace BasJournal
