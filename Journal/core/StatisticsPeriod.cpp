// Months, quarters, years and days from one date to another.
#include "core/StatisticsPeriod.h"

#include "platform/LocaleFormats.h"

namespace BasJournal {

namespace {

// The months a period of the kind spans.
int monthsOf(StatisticsPeriod::Kind kind) {
    switch (kind) {
    case StatisticsPeriod::Kind::Month:
        return 1;
    case StatisticsPeriod::Kind::Quarter:
        return 3;
    case StatisticsPeriod::Kind::Year:
        return 12;
    default:
        return 0;
    }
}

} // namespace

StatisticsPeriod::StatisticsPeriod(Kind kind, const QDate& first, const QDate& last)
    : m_kind(kind)
    , m_days{first, last} {}

StatisticsPeriod StatisticsPeriod::holding(Kind kind, const QDate& day) {
    const int months = monthsOf(kind);
    if (months == 0)
        return kind == Kind::Dates ? between(day, day) : StatisticsPeriod();
    const QDate first(day.year(), (day.month() - 1) / months * months + 1, 1);
    return {kind, first, first.addMonths(months).addDays(-1)};
}

StatisticsPeriod StatisticsPeriod::between(const QDate& first, const QDate& last) {
    return last < first ? StatisticsPeriod(Kind::Dates, last, first)
                        : StatisticsPeriod(Kind::Dates, first, last);
}

StatisticsPeriod::Kind StatisticsPeriod::kind() const {
    return m_kind;
}

const Repricing::DayRange& StatisticsPeriod::days() const {
    return m_days;
}

StatisticsPeriod StatisticsPeriod::shifted(int steps) const {
    if (m_kind == Kind::Journal)
        return *this;
    if (m_kind == Kind::Dates) {
        const qint64 length = m_days.first.daysTo(m_days.last) + 1;
        return between(m_days.first.addDays(length * steps), m_days.last.addDays(length * steps));
    }
    return holding(m_kind, m_days.first.addMonths(monthsOf(m_kind) * steps));
}

QString StatisticsPeriod::text(const QLocale& locale) const {
    const QDate& first = m_days.first;
    switch (m_kind) {
    case Kind::Journal:
        return QStringLiteral("ce journal");
    case Kind::Month:
        return locale.toString(first, QStringLiteral("MMMM yyyy"));
    case Kind::Quarter: {
        const int quarter = (first.month() - 1) / 3 + 1;
        return QStringLiteral("%1%2 trimestre %3")
            .arg(quarter)
            .arg(quarter == 1 ? QStringLiteral("er") : QStringLiteral("e"))
            .arg(first.year());
    }
    case Kind::Year:
        return QString::number(first.year());
    case Kind::Dates:
        break;
    }
    const QString format = LocaleFormats::fullYearDateFormat(locale);
    return QStringLiteral("du %1 au %2")
        .arg(locale.toString(first, format), locale.toString(m_days.last, format));
}

bool StatisticsPeriod::operator==(const StatisticsPeriod& other) const {
    return m_kind == other.m_kind && m_days.first == other.m_days.first &&
           m_days.last == other.m_days.last;
}

} // namespace BasJournal
