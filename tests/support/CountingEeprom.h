#pragma once

#include <array>
#include <cstdint>
#include <numeric>

/// 512 EEPROM cells counting up from `first` and on from 00 after FF, so that a cell out of
/// place shows.
inline std::array<std::uint8_t, 512> CountingEeprom(std::uint8_t first) {
    std::array<std::uint8_t, 512> cells;
    std::iota(cells.begin(), cells.end(), first);
    return cells;
}
