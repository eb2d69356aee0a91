#include "device/PollPosix.h"

#include <poll.h>

#include <algorithm>
#include <ctime>

short PollDescriptor(int fd, short events, double timeoutSeconds) {
    const double seconds = std::max(timeoutSeconds, 0.0);
    const auto whole = static_cast<std::time_t>(seconds);
    const timespec timeout{whole, static_cast<long>((seconds - static_cast<double>(whole)) * 1e9)};
    pollfd entry{fd, events, 0};
    return ::ppoll(&entry, 1, &timeout, nullptr) > 0 ? entry.revents : 0;
}
