// Bars per day, week, month and hour.
#include "core/CostCharts.h"

#include "platform/LocaleFormats.h"

#include <QRegularExpression>

namespace BasJournal::CostCharts {

namespace {

// The locale's short date without its year: "dd/MM" in French, "M/d" in English.
QString dayFormat(const QLocale& locale) {
    static const QRegularExpression year(QStringLiteral("[^dM]*y+[^dM]*"));
    return LocaleFormats::shortDateFormat(locale).remove(year);
}

// The first day of the bar that holds `day`.
using BarStart = QDate (*)(const QDate& day);

QDate dayItself(const QDate& day) {
    return day;
}

QDate mondayOf(const QDate& day) {
    return day.addDays(1 - day.dayOfWeek());
}

QDate firstOfMonth(const QDate& day) {
    return QDate(day.year(), day.month(), 1);
}

struct Bars {
    QString title;
    BarStart start;
    // The first day of the next bar.
    QDate (*next)(const QDate& barStart);
    // The label and the tip of a bar from `first` to `last`, within the period.
    QString (*label)(const QDate& first, const QDate& last, const QLocale& locale);
    QString (*tip)(const QDate& first, const QDate& last, const QLocale& locale);
};

const Bars PerDay{QStringLiteral("Coût par jour"), dayItself,
                  [](const QDate& d) { return d.addDays(1); },
                  [](const QDate& first, const QDate&, const QLocale& locale) {
                      return locale.toString(first, dayFormat(locale));
                  },
                  [](const QDate& first, const QDate&, const QLocale& locale) {
                      return locale.toString(first, QStringLiteral("dddd d MMMM yyyy"));
                  }};

const Bars PerWeek{QStringLiteral("Coût par semaine"), mondayOf,
                   [](const QDate& d) { return d.addDays(7); },
                   [](const QDate& first, const QDate&, const QLocale& locale) {
                       return locale.toString(first, dayFormat(locale));
                   },
                   [](const QDate& first, const QDate& last, const QLocale& locale) {
                       const QString format = QStringLiteral("d MMMM yyyy");
                       return QStringLiteral("Semaine du %1 au %2")
                           .arg(locale.toString(first, format), locale.toString(last, format));
                   }};

const Bars PerMonth{QStringLiteral("Coût par mois"), firstOfMonth,
                    [](const QDate& d) { return d.addMonths(1); },
                    [](const QDate& first, const QDate&, const QLocale& locale) {
                        return locale.toString(first, QStringLiteral("MMM yyyy"));
                    },
                    [](const QDate& first, const QDate&, const QLocale& locale) {
                        return locale.toString(first, QStringLiteral("MMMM yyyy"));
                    }};

} // namespace

BarChartData costOverTime(const JournalStatistics& statistics, const QLocale& locale) {
    const QDate& first = statistics.period.first;
    const QDate& last = statistics.period.last;
    if (!first.isValid() || !last.isValid())
        return {PerDay.title, {}, {}, {}};
    const qint64 span = first.daysTo(last) + 1;
    const Bars& bars = span <= MaxDays ? PerDay : span <= MaxWeekDays ? PerWeek : PerMonth;
    BarChartData chart{bars.title, {}, {}, {}};
    auto day = statistics.byDay.cbegin();
    for (QDate start = bars.start(first); start <= last; start = bars.next(start)) {
        const QDate from = std::max(start, first);
        const QDate to = std::min(bars.next(start).addDays(-1), last);
        double cost = 0;
        for (; day != statistics.byDay.cend() && day->key <= to; ++day) {
            if (day->key >= from)
                cost += day->totals.cost;
        }
        chart.categories.append(bars.label(from, to, locale));
        chart.tips.append(bars.tip(from, to, locale));
        chart.values.append(cost);
    }
    return chart;
}

BarChartData costByHour(const JournalStatistics& statistics) {
    BarChartData chart{QStringLiteral("Coût par heure de début d'appel"), {}, {}, {}};
    for (int hour = 0; hour < JournalStatistics::Hours; ++hour) {
        chart.categories.append(QStringLiteral("%1 h").arg(hour));
        chart.tips.append(QStringLiteral("De %1 h à %2 h").arg(hour).arg(hour + 1));
        chart.values.append(statistics.byHour[std::size_t(hour)].cost);
    }
    return chart;
}

} // namespace BasJournal::CostCharts
