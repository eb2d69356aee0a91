#include "device/SerialSettings.h"

#include "base/Text.h"

#include <cctype>
#include <charconv>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

std::string_view Trimmed(std::string_view text) {
    return Trim(text, kWhiteSpace);
}

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t comma; (comma = text.find(',')) != std::string_view::npos;) {
        parts.push_back(Trimmed(text.substr(0, comma)));
        text.remove_prefix(comma + 1);
    }
    parts.push_back(Trimmed(text));
    return parts;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> StopBits(std::string_view text) {
    if (text == "1")
        return 1;
    if (text == "2" || text == "1.5")
        return 2;
    return std::nullopt;
}

} // namespace

std::optional<SerialSettings> SerialSettings::Parse(std::string_view text) {
    const auto parts = SplitAtCommas(text);
    if (parts.size() != 4 || parts[1].size() != 1)
        return std::nullopt;
    SerialSettings settings;
    const auto baud = WholeNumber(parts[0]);
    const auto dataBits = WholeNumber(parts[2]);
    const auto stopBits = StopBits(parts[3]);
    settings.parity = static_cast<char>(std::tolower(static_cast<unsigned char>(parts[1][0])));
    if (!baud || *baud <= 0 || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits ||
        std::string_view("neoms").find(settings.parity) == std::string_view::npos)
        return std::nullopt;
    settings.baud = *baud;
    settings.dataBits = *dataBits;
    settings.stopBits = *stopBits;
    return settings;
}

double SerialSettings::CharacterSeconds() const {
    const int bits = 1 + dataBits + (parity == 'n' ? 0 : 1) + stopBits;
    return static_cast<double>(bits) / baud;
}
