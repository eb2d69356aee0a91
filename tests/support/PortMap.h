#pragma once

#include "device/cSerCom.h"

#include <filesystem>
#include <map>
#include <string>

/// The device file of port `n`: the given one, or a file "kein-ttyN" in `folder` that does not
/// exist, so that no test ever reaches a real port of the machine.
inline std::string PortPath(const std::map<int, std::string>& paths, int n,
                            const std::filesystem::path& folder) {
    return paths.count(n) ? paths.at(n) : (folder / ("kein-tty" + std::to_string(n))).string();
}

/// Maps every port of the channel as PortPath says.
inline void MapPorts(cSerCom& serCom, const std::map<int, std::string>& paths,
                     const std::filesystem::path& folder) {
    for (std::int16_t n = 1; n <= cSerCom::kPortCount; ++n)
        serCom.Names().setPortPath(n, PortPath(paths, n, folder));
}
