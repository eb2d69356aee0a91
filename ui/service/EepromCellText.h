#pragma once

#include <cstdint>
#include <optional>
#include <string>

/// The texts of the EEPROM grid's cells.
namespace EepromCellText {

/// Two upper-case hexadecimal digits: 0x0A gives "0A".
std::string Of(std::uint8_t byte);

/// The byte a cell text stands for: one or more hexadecimal digits of either case (leading
/// zeros allowed, nothing else, not even blanks) with a value below 256. Empty otherwise, so
/// "7", "07", "ff" and "0FF" are bytes, while "100", "FFFF", "xy", "" and " 1" are none.
std::optional<std::uint8_t> Value(const std::string& text);

} // namespace EepromCellText
