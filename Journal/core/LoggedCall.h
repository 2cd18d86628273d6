// What the statistics read from a call's record: its type and distance
// band from the description, the day and hour it started, its length and
// its cost, as values.
#pragma once

#include "BasOrvalis/CallDescription.h"
#include "core/JournalRows.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QLocale>

#include <optional>

namespace BasJournal {

struct LoggedCall {
    BasOrvalis::CommunicationType type = BasOrvalis::CommunicationType::Standard;
    int band = 0; // 1 local .. 5 national; 0 when the description names none
    QDate date;
    int startHour = 0;
    int seconds = 0;
    double cost = 0;
};

// Reads the calls of a journal row by row. A log repeats a few texts many
// times (descriptions, days, costs): each stored text is read once and its
// value kept, so that a million records read in a fraction of a second.
class LoggedCallReader final {
public:
    // Dates are read in `locale`, the one the calculator wrote them in.
    explicit LoggedCallReader(const QLocale& locale = QLocale());

    // The call a row records; none for a reset of the total, or for a
    // record whose description, date, start, duration or cost cannot be read.
    std::optional<LoggedCall> read(const JournalRows& rows, int row);

private:
    template <typename T> using Cache = QHash<QByteArray, T>;

    QLocale m_locale;
    Cache<BasOrvalis::DescribedCall> m_descriptions;
    Cache<QDate> m_dates;
    Cache<int> m_hours; // -1 when unreadable
    Cache<std::optional<int>> m_durations;
    Cache<std::optional<double>> m_costs;
};

} // namespace BasJournal
