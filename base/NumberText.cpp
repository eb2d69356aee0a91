#include "base/NumberText.h"

#include "base/Platform.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Parses C-locale number text whatever locale the process runs in, as strtod does: too large
/// gives infinity, too small zero.
double ParseCNumber(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    const bool negative = first != last && *first == '-';
    if (first != last && *first == '+')
        ++first;
    double value = 0.0;
    if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
        const auto exponent = text.find_first_of("eE");
        const bool tiny =
            exponent != std::string::npos && text.find('-', exponent) != std::string::npos;
        value = tiny ? 0.0 : HUGE_VAL;
        return negative ? -value : value;
    }
    return value;
}

/// The value as printf's "%.*g" or "%.*f" writes it in the C locale, whatever locale the
/// process runs in: the window toolkit sets the user's locale, whose decimal comma the parsers
/// here would stop at.
std::string CText(double value, std::chars_format format, int precision) {
    char buffer[400]; // a fixed double up to 1E308 with four decimals
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    if (result.ec != std::errc())
        throw std::length_error("number text too long");
    return std::string(buffer, result.ptr);
}

/// Copies a run of digits; returns how many there were.
std::size_t TakeDigits(std::string_view text, std::size_t& pos, std::string& out) {
    std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        out += text[pos++];
    return pos - start;
}

bool TakeSeparator(std::string_view text, std::size_t& pos, const std::string& regional) {
    if (!regional.empty() && text.substr(pos, regional.size()) == regional) {
        pos += regional.size();
        return true;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        return true;
    }
    return false;
}

/// The value at seven significant digits, as single precision keeps it: 2.675f (stored as
/// 2.67499995…) counts as 2.675.
double AtSingleDigits(double value) {
    return ParseCNumber(CText(value, std::chars_format::general, 7));
}

std::string WithRegionalSeparator(std::string text) {
    if (auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, Platform::Regional().DecimalSeparator());
    return text;
}

/// Formats a value already rounded to `decimals` places, padding the integer part with zeros.
std::string FixedText(double value, int decimals, int integerDigits) {
    if (value == 0)
        value = 0; // no "-0,00"
    std::string text = CText(std::fabs(value), std::chars_format::fixed, decimals);
    const std::size_t point = text.find('.');
    const std::size_t digits = point == std::string::npos ? text.size() : point;
    if (digits < static_cast<std::size_t>(integerDigits))
        text.insert(0, integerDigits - digits, '0');
    if (value < 0)
        text.insert(0, "-");
    return WithRegionalSeparator(text);
}

} // namespace

std::string NumberToText(double value) {
    if (value == 0)
        return "0";
    std::string text = CText(value, std::chars_format::general, 7);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c == 'e' ? 'E' : c; });
    return WithRegionalSeparator(text);
}

namespace {

/// Reads a number whose decimal separator is `separator` or ".".
std::optional<double> ParseNumber(std::string_view text, const std::string& separator) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    std::string normal;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        normal += text[pos++];
    std::size_t digits = TakeDigits(text, pos, normal);
    if (TakeSeparator(text, pos, separator)) {
        normal += '.';
        digits += TakeDigits(text, pos, normal);
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        normal += text[pos++];
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            normal += text[pos++];
        if (TakeDigits(text, pos, normal) == 0)
            return std::nullopt;
    }
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    if (pos != text.size())
        return std::nullopt;
    double value = ParseCNumber(normal);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> TextToNumber(std::string_view text) {
    return ParseNumber(text, Platform::Regional().DecimalSeparator());
}

std::optional<double> FileTextToNumber(std::string_view text) {
    return ParseNumber(text, ",");
}

std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(value);
}

std::string FormatPattern(double value, std::string_view pattern) {
    if (pattern.empty())
        return NumberToText(value);
    const std::size_t point = pattern.find('.');
    const std::string_view integer = pattern.substr(0, point);
    const int integerDigits = static_cast<int>(std::count(integer.begin(), integer.end(), '0'));
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    const double scale = std::pow(10.0, decimals);
    // Rounds the shifted value at single precision first, so that 267.4999… counts as 267.5.
    const double rounded = std::round(AtSingleDigits(AtSingleDigits(value) * scale)) / scale;
    return FixedText(rounded, decimals, integerDigits);
}

std::string CutToHundredths(double value) {
    const double cut = std::floor(AtSingleDigits(AtSingleDigits(value) * 100)) / 100;
    return FixedText(cut, 2, 1);
}
