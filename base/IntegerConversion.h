#pragma once

#include <cstdint>
#include <stdexcept>

/// Conversions to whole numbers, rounding a fraction of exactly one half to the even
/// neighbour (12.5 → 12, 13.5 → 14). A result outside the target type throws OverflowError.

class OverflowError : public std::overflow_error {
public:
    OverflowError();
};

std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);
