#include "base/SystemClock.h"

#include <chrono>

// Now() reads the local time of the operating system: SystemClockPosix.cpp, SystemClockWin32.cpp.

double SystemClock::MonotonicSeconds() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
