// A clock that shows the time it is given: simulated calls and tests move it
// by hand.
#pragma once

#include "engine/Clock.h"

class ManualClock final : public Clock {
public:
    explicit ManualClock(const QDateTime& start = QDateTime());

    QDateTime now() const override;
    void setNow(const QDateTime& now);
    void advance(int seconds);

private:
    QDateTime m_now;
};
