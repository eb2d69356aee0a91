#pragma once

#include "base/Clock.h"

/// The operating system's clocks.
class SystemClock : public Clock {
public:
    DateTime Now() const override;
    int UtcOffsetMinutes() const override;
    double MonotonicSeconds() const override;
};
