// What the statistics read from a call's record: its type and distance
// band from the description, the day and hour it started, its length and
// its cost, as values.
#pragma once

#include "BasOrvalis/CallDescription.h"
#include "core/FieldCache.h"
#include "core/JournalRows.h"

#include <QDate>
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

// Reads the calls of a journal row by row, each stored text of a field once.
class LoggedCallReader final {
public:
    // Dates are read in `locale`, the one the calculator wrote them in.
    explicit LoggedCallReader(const QLocale& locale = QLocale());

    // The call a row records; none for a reset of the total, or for a
    // record whose description, date, start, duration or cost cannot be read.
    std::optional<LoggedCall> read(const JournalRows& rows, int row);

private:
    QLocale m_locale;
    FieldCache<BasOrvalis::DescribedCall> m_descriptions;
    FieldCache<QDate> m_dates;
    FieldCache<int> m_hours; // -1 when unreadable
    FieldCache<std::optional<int>> m_durations;
    FieldCache<std::optional<double>> m_costs;
};

} // namespace BasJournal
