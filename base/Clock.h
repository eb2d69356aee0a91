#pragma once

#include "base/DateTime.h"

/// Wall-clock date and time for the user, and a monotonic clock for time-outs.
class Clock {
public:
    virtual ~Clock() = default;
    /// The current local date and time.
    virtual DateTime Now() const = 0;
    /// Minutes the local time is ahead of UTC now (60 in a German winter, 120 in its summer).
    virtual int UtcOffsetMinutes() const = 0;
    /// Seconds since an arbitrary start; never runs backwards.
    virtual double MonotonicSeconds() const = 0;
};
