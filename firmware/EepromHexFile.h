#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

/// The EEPROM dump file (extension "eep"): the device's 512 EEPROM bytes as Intel HEX,
/// 32 data records of 16 bytes at 0000, 0010, … 01F0, then ":00000001FF"; lines end with CR LF.
namespace EepromHexFile {

constexpr std::size_t kSize = 512; ///< EEPROM bytes, addresses 0 … 511
using Image = std::array<std::uint8_t, kSize>;

/// The complete file text for the bytes.
std::string Write(const Image& bytes);

/// The bytes of a dump file's text; nothing when a line of it is no valid record (`fault`
/// then says which and why, as "Zeile 3: " + the reason) or when it does not hold exactly
/// the addresses 0 … 511 (`fault` empty). Shows no message.
std::optional<Image> Read(const std::string& text, std::string& fault);

} // namespace EepromHexFile
