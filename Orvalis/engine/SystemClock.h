// The computer's own clock, read to the whole second.
#pragma once

#include "engine/Clock.h"

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};
