// The wall clock of a call.
#include "reprice/CallClock.h"

#include <limits>

namespace Repricing {

namespace {

constexpr qint64 SecondsPerDay = 24 * 3600;

qint64 WallOf(const QDate& date, int secondOfDay) {
    return date.toJulianDay() * SecondsPerDay + secondOfDay;
}

} // namespace

CallClock::CallClock(qint64 startWall)
    : m_start(startWall) {}

CallClock::CallClock(const QDate& date, int secondOfDay)
    : CallClock(WallOf(date, secondOfDay)) {}

CallClock CallClock::of(const QDateTime& start, int seconds) {
    CallClock clock(WallOf(start.date(), start.time().msecsSinceStartOfDay() / 1000));
    if (seconds <= 0)
        return clock;
    // The calculator's clock moves by whole seconds from the start, so its
    // wall clock is the start's plus the seconds elapsed, moved by the change
    // of the offset from UTC once it has happened. One change at most fits in
    // a call.
    const int offset = start.offsetFromUtc();
    const int change = start.addSecs(seconds).offsetFromUtc() - offset;
    if (change == 0)
        return clock;
    int unchanged = 0;
    int changed = seconds;
    while (changed - unchanged > 1) {
        const int middle = unchanged + (changed - unchanged) / 2;
        if (start.addSecs(middle).offsetFromUtc() == offset)
            unchanged = middle;
        else
            changed = middle;
    }
    clock.m_changeAt = changed;
    clock.m_changeBy = change;
    return clock;
}

qint64 CallClock::wallAt(int elapsed) const {
    const bool changed = m_changeAt > 0 && elapsed >= m_changeAt;
    return m_start + elapsed + (changed ? m_changeBy : 0);
}

int CallClock::nextChangeAfter(int elapsed) const {
    return m_changeAt > elapsed ? m_changeAt : std::numeric_limits<int>::max();
}

CallClock CallClock::after(int elapsed) const {
    CallClock clock(wallAt(elapsed));
    if (m_changeAt > elapsed) {
        clock.m_changeAt = m_changeAt - elapsed;
        clock.m_changeBy = m_changeBy;
    }
    return clock;
}

} // namespace Repricing
