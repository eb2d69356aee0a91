#pragma once

#include "base/FileResult.h"
#include "device/DeviceProtocol.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

/// The EEPROM dump file (extension "eep"): the device's 512 EEPROM bytes as Intel HEX,
/// 32 data records of 16 bytes at 0000, 0010, … 01F0, then ":00000001FF"; lines end with CR LF.
namespace EepromHexFile {

constexpr std::size_t kSize = DeviceProtocol::kEepromSize;
using Image = std::array<std::uint8_t, kSize>;

/// The complete file text for the bytes.
std::string Write(const Image& bytes);

/// The bytes of a dump file's text, or why it is none: "Zeile 3: " + the reason for a line that
/// is no valid record, or that it does not hold exactly the addresses 0 … 511.
FileResult<Image> Read(const std::string& text);

/// The bytes of the dump file `path`, or why it is none, in a sentence naming the file. Shows no
/// message.
FileResult<Image> Load(const std::string& path);

} // namespace EepromHexFile
