// The wall clocks of logged calls in the system's time zone: the clock a
// call's seconds were counted on changes during it only when the zone
// changes its offset from UTC within the call's days.
#pragma once

#include "reprice/CallClock.h"

#include <QDate>
#include <QHash>

namespace Repricing {

class LocalCallClocks final {
public:
    // The clock of a call of `seconds` started on `date` at `startSecond`.
    CallClock of(const QDate& date, int startSecond, int seconds);

private:
    // The offset from UTC at the start of a day, by Julian day.
    int offsetAt(qint64 julianDay);

    QHash<qint64, int> m_offsets;
};

} // namespace Repricing
