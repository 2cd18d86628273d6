// The period that the statistics cover: the journal on screen, a month, a
// quarter, a year, or the days from one date to another, both included.
#pragma once

#include "reprice/Reprice.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace BasJournal {

class StatisticsPeriod final {
public:
    enum class Kind { Journal, Month, Quarter, Year, Dates };

    // Every call of the journal on screen.
    StatisticsPeriod() = default;
    // The month, the quarter or the year that holds `day`; the day alone
    // for Dates.
    static StatisticsPeriod holding(Kind kind, const QDate& day);
    // From `first` to `last`; the other way round when `last` comes first.
    static StatisticsPeriod between(const QDate& first, const QDate& last);

    Kind kind() const;
    // Open on both sides for the journal.
    const Repricing::DayRange& days() const;
    // The period of the same kind `steps` later (earlier when negative);
    // days from one date to another move by their own length.
    StatisticsPeriod shifted(int steps) const;
    // "mars 2027", "1er trimestre 2027", "2027", "du 01/03/2027 au 15/04/2027".
    QString text(const QLocale& locale = QLocale()) const;

    bool operator==(const StatisticsPeriod& other) const;

private:
    StatisticsPeriod(Kind kind, const QDate& first, const QDate& last);

    Kind m_kind = Kind::Journal;
    Repricing::DayRange m_days;
};

} // namespace BasJournal
