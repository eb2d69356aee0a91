#pragma once

#include <string>

/// The version the build gives every program (the project's version, "major.minor.patch"), so
/// that tests of what carries it follow a new release.
inline std::string BuildVersion() {
    return std::to_string(NIVO_VERSION_MAJOR) + "." + std::to_string(NIVO_VERSION_MINOR) + "." +
           std::to_string(NIVO_VERSION_PATCH);
}
