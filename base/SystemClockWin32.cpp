#include "base/SystemClock.h"

#include <windows.h>

DateTime SystemClock::Now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}
