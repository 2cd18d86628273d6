// The bars of the statistics window's charts: the cost of the calls per
// day, every day from the first call to the last (per month when they span
// more than two months), and per hour of the day they started.
#pragma once

#include "core/JournalStatistics.h"

#include <QStringList>
#include <QVector>

namespace BasJournal {

struct BarChartData {
    QString title;
    QStringList categories;
    QVector<double> values;
};

namespace CostCharts {

constexpr int MaxDays = 62;

BarChartData costByDay(const JournalStatistics& statistics, const QLocale& locale = QLocale());
BarChartData costByHour(const JournalStatistics& statistics);

} // namespace CostCharts
} // namespace BasJournal
