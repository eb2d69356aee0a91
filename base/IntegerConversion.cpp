#include "base/IntegerConversion.h"

#include "base/Translation.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

template <typename Int> Int RoundHalfEven(double value) {
    // nearbyint honours the rounding mode, and only to-nearest gives halves to even.
    const int previousMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previousMode);
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        throw OverflowError();
    return static_cast<Int>(rounded);
}

} // namespace

OverflowError::OverflowError() : std::overflow_error(Tr("IntegerConversion", "Überlauf")) {}

std::int16_t ToInt16(double value) {
    return RoundHalfEven<std::int16_t>(value);
}
std::int32_t ToInt32(double value) {
    return RoundHalfEven<std::int32_t>(value);
}
