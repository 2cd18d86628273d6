// The computer's own clock, read to the whole second.
#include "engine/SystemClock.h"

QDateTime SystemClock::now() const {
    QDateTime current = QDateTime::currentDateTime();
    const QTime time = current.time();
    current.setTime(QTime(time.hour(), time.minute(), time.second()));
    return current;
}
