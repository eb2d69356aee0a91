#include "device/EepromCoding.h"

#include "base/IntegerConversion.h"
#include "model/cParameter.h"

std::int32_t EepromCoding::Raw(const cParameter& parameter) {
    const float product = parameter.Value() * parameter.Factor();
    return ToInt32(product);
}

double EepromCoding::Value(std::int32_t raw, const cParameter& parameter) {
    return raw / static_cast<double>(parameter.Factor());
}
