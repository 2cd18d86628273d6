// The wall clocks of logged calls in the system's time zone.
#include "reprice/LocalCallClocks.h"

#include <QDateTime>
#include <QTime>

namespace Repricing {

namespace {

constexpr qint64 SecondsPerDay = 24 * 3600;

QTime TimeOfDay(int second) {
    return QTime::fromMSecsSinceStartOfDay(second * 1000);
}

} // namespace

CallClock LocalCallClocks::of(const QDate& date, int startSecond, int seconds) {
    // Most calls fall in days of one offset: their clock is worked out
    // without asking the zone about each of them.
    const qint64 firstDay = date.toJulianDay();
    const qint64 dayAfterEnd = firstDay + (startSecond + qint64(seconds)) / SecondsPerDay + 1;
    if (offsetAt(firstDay) == offsetAt(dayAfterEnd))
        return CallClock(date, startSecond);
    return CallClock::of(QDateTime(date, TimeOfDay(startSecond)), seconds);
}

int LocalCallClocks::offsetAt(qint64 julianDay) {
    auto found = m_offsets.constFind(julianDay);
    if (found == m_offsets.cend())
        found = m_offsets.insert(
            julianDay, QDateTime(QDate::fromJulianDay(julianDay), TimeOfDay(0)).offsetFromUtc());
    return *found;
}

} // namespace Repricing
