#pragma once

#include "base/SystemClock.h"

/// The system's monotonic time plus the seconds a test let pass at once, so that a time-out the
/// test provokes takes no real time; the date is the fixture's.
class SkippingClock : public SystemClock {
public:
    DateTime Now() const override { return {2026, 12, 6, 14, 5, 9}; }
    double MonotonicSeconds() const override { return SystemClock::MonotonicSeconds() + skipped; }
    double skipped = 0;
};
