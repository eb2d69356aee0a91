#pragma once

#include <cstdint>

class cParameter;

/// How the device keeps a value: the whole number value × factor in `Size` EEPROM bytes,
/// least significant first. Negative numbers are two's complement over the bytes; four-byte
/// values read back signed, one- and two-byte values unsigned.
namespace EepromCoding {

/// Value × Factor multiplied in single precision and rounded half to even. Throws
/// OverflowError when the product does not fit a 32-bit signed number, and std::range_error
/// when it does not fit the parameter's bytes (a one- or two-byte value below 0 or above
/// 255 or 65535), instead of cutting it.
std::int32_t Raw(const cParameter& parameter);
/// The user value of a raw number read from the device: raw ÷ Factor in double precision.
double Value(std::int32_t raw, const cParameter& parameter);

} // namespace EepromCoding
