// The clock that the calculator reads: the system clock in the programs, a
// settable one in simulations and tests.
#pragma once

#include <QDateTime>

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time now.
    virtual QDateTime now() const = 0;
};
