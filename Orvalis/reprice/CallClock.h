// The wall clock that the tariff reads during a call: the day and the time of
// day at each second of it. The system's clock may change once during a call
// (summer time), which moves every later second by the change.
#pragma once

#include <QDate>
#include <QDateTime>

namespace Repricing {

class CallClock final {
public:
    // A call started on `date` at `secondOfDay` of a clock that does not
    // change during it.
    CallClock(const QDate& date, int secondOfDay);
    // A call of `seconds` started at `start`. A local time follows the
    // changes of the system's clock as the calculator's clock does; a time in
    // UTC or at a fixed offset never changes.
    static CallClock of(const QDateTime& start, int seconds);

    // The wall clock `elapsed` seconds into the call, counted in seconds from
    // the start of the Julian day count (day × 86 400 + second of the day).
    qint64 wallAt(int elapsed) const;
    // The first second after `elapsed` at which the clock changes; INT_MAX
    // when it does not change any more.
    int nextChangeAfter(int elapsed) const;
    // The clock of a call that starts `elapsed` seconds into this one.
    CallClock after(int elapsed) const;

private:
    explicit CallClock(qint64 startWall);

    qint64 m_start;
    // The second from which the clock shows m_changeBy seconds more; 0 when
    // it does not change.
    int m_changeAt = 0;
    int m_changeBy = 0;
};

} // namespace Repricing
