#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// Facts of the device's line and command protocol that several parts of the program share.
namespace DeviceProtocol {

/// The device's line: 19200 baud, no parity, 8 data bits, 1 stop bit.
inline constexpr char kLineSettings[] = "19200,n,8,1";
/// "B" arguments: before a series of EEPROM accesses, and after a series of reads.
inline constexpr std::uint8_t kSeriesStart = 0;
inline constexpr std::uint8_t kReadSeriesEnd = 255;
/// EEPROM cells of the device, addresses 0 … 511.
inline constexpr std::size_t kEepromSize = 512;
/// EEPROM address of the byte whose low bits hold the device's hardware variant.
inline constexpr std::int32_t kVariantAdress = 7;

/// A memory command: its letter, then the address (0 to 65535), high byte first.
inline std::string Frame(char letter, std::int32_t adress) {
    return {letter, static_cast<char>(adress / 256), static_cast<char>(adress % 256)};
}

} // namespace DeviceProtocol
