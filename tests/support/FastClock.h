#pragma once

#include "base/Clock.h"

/// A clock whose seconds run fast (one per reading), so that the device search's pauses before
/// each port take no real time; the date is the fixture's.
class FastClock : public Clock {
public:
    DateTime Now() const override { return {2026, 12, 6, 14, 5, 9}; }
    int UtcOffsetMinutes() const override { return 60; }
    double MonotonicSeconds() const override { return m_seconds += 1; }

private:
    mutable double m_seconds = 0;
};
