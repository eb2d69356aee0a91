#include "ui/service/EepromCellText.h"

#include "base/Text.h"

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

} // namespace

std::string EepromCellText::Of(std::uint8_t byte) {
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::optional<std::uint8_t> EepromCellText::Value(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
        if (value > 0xFF)
            return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}
