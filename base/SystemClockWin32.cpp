#include "base/SystemClock.h"

#include <windows.h>

DateTime SystemClock::Now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {local.wYear,   local.wMonth,  local.wDay,         local.wHour,
            local.wMinute, local.wSecond, local.wMilliseconds};
}

int SystemClock::UtcOffsetMinutes() const {
    TIME_ZONE_INFORMATION zone{};
    const DWORD kind = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias; // UTC = local time + bias
    if (kind == TIME_ZONE_ID_DAYLIGHT)
        bias += zone.DaylightBias;
    else if (kind == TIME_ZONE_ID_STANDARD)
        bias += zone.StandardBias;
    return static_cast<int>(-bias);
}
