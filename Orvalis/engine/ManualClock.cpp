// A clock that shows the time it is given.
#include "engine/ManualClock.h"

ManualClock::ManualClock(const QDateTime& start)
    : m_now(start) {}

QDateTime ManualClock::now() const {
    return m_now;
}

void ManualClock::setNow(const QDateTime& now) {
    m_now = now;
}

void ManualClock::advance(int seconds) {
    m_now = m_now.addSecs(seconds);
}
