#include "ui/service/EepromCellText.h"

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string EepromCellText::Of(std::uint8_t byte) {
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::optional<std::uint8_t> EepromCellText::Value(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        const int digit = DigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
        if (value > 0xFF)
            return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}
