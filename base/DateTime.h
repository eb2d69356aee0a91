#pragma once

#include <compare>

/// A local calendar date and time of day, as the regional settings show it (no time zone).
struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0; ///< 0 to 999; only time stamps of fast events show it

    /// True for a real calendar date (leap years included) and a time from 00:00:00.000 to
    /// 23:59:59.999.
    bool IsValid() const;

    auto operator<=>(const DateTime&) const = default;
};
