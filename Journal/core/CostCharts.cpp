// Bars per day, month and hour.
#include "core/CostCharts.h"

#include "platform/LocaleFormats.h"

#include <QRegularExpression>

#include <map>

namespace BasJournal::CostCharts {

namespace {

// The locale's short date without its year: "dd/MM" in French, "M/d" in English.
QString dayFormat(const QLocale& locale) {
    static const QRegularExpression year(QStringLiteral("[^dM]*y+[^dM]*"));
    return LocaleFormats::shortDateFormat(locale).remove(year);
}

BarChartData costByMonth(const JournalStatistics& statistics, const QLocale& locale) {
    std::map<QDate, double> months;
    for (const auto& day : statistics.byDay) {
        const QDate month(day.key.year(), day.key.month(), 1);
        months[month] += day.totals.cost;
    }
    BarChartData chart{QStringLiteral("Coût par mois"), {}, {}};
    for (QDate month = months.begin()->first; month <= months.rbegin()->first;
         month = month.addMonths(1)) {
        chart.categories.append(locale.toString(month, QStringLiteral("MMM yyyy")));
        const auto found = months.find(month);
        chart.values.append(found == months.end() ? 0 : found->second);
    }
    return chart;
}

} // namespace

BarChartData costByDay(const JournalStatistics& statistics, const QLocale& locale) {
    const auto& days = statistics.byDay;
    if (days.isEmpty())
        return {QStringLiteral("Coût par jour"), {}, {}};
    if (days.first().key.daysTo(days.last().key) >= MaxDays)
        return costByMonth(statistics, locale);
    BarChartData chart{QStringLiteral("Coût par jour"), {}, {}};
    const QString format = dayFormat(locale);
    auto next = days.cbegin();
    for (QDate day = days.first().key; day <= days.last().key; day = day.addDays(1)) {
        chart.categories.append(locale.toString(day, format));
        const bool called = next != days.cend() && next->key == day;
        chart.values.append(called ? (next++)->totals.cost : 0);
    }
    return chart;
}

BarChartData costByHour(const JournalStatistics& statistics) {
    BarChartData chart{QStringLiteral("Coût par heure de début d'appel"), {}, {}};
    for (int hour = 0; hour < JournalStatistics::Hours; ++hour) {
        chart.categories.append(QStringLiteral("%1 h").arg(hour));
        chart.values.append(statistics.byHour[std::size_t(hour)].cost);
    }
    return chart;
}

} // namespace BasJournal::CostCharts
