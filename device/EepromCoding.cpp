#include "device/EepromCoding.h"

#include "base/IntegerConversion.h"
#include "base/Translation.h"
#include "model/cParameter.h"

#include <stdexcept>
#include <string>

namespace {
constexpr int kSignedSize = 4; ///< from four bytes on, every 32-bit value fits
}

std::int32_t EepromCoding::Raw(const cParameter& parameter) {
    const float product = parameter.Value() * parameter.Factor();
    const std::int32_t raw = ToInt32(product);
    const int size = parameter.Size();
    if (size < kSignedSize && (raw < 0 || raw >= (std::int32_t{1} << (8 * size))))
        throw std::range_error(size == 1 ? TrArgs(Tr("EepromCoding", "%1 passt nicht in 1 Byte."),
                                                  {std::to_string(raw)})
                                         : TrArgs(Tr("EepromCoding", "%1 passt nicht in %2 Bytes."),
                                                  {std::to_string(raw), std::to_string(size)}));
    return raw;
}

double EepromCoding::Value(std::int32_t raw, const cParameter& parameter) {
    return raw / static_cast<double>(parameter.Factor());
}
