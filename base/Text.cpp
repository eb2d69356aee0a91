#include "base/Text.h"

#include <algorithm>
#include <cctype>

std::string_view Trim(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    const auto sameLetter = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), sameLetter) !=
           text.end();
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

namespace {

/// Length of the valid UTF-8 sequence at the start of `bytes` (overlong forms, surrogates and
/// code points above U+10FFFF refused); 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (bytes.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

} // namespace

std::string EscapedText(std::string_view bytes, std::size_t maxBytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const bool cut = bytes.size() > maxBytes;
    const std::string_view shown = bytes.substr(0, maxBytes);
    std::string text;
    text.reserve(shown.size() + 8);
    for (std::size_t i = 0; i < shown.size();) {
        const auto c = static_cast<unsigned char>(shown[i]);
        std::size_t sequence =
            c < 0x80 ? (IsControl(c) ? 0 : 1) : Utf8SequenceLength(shown.substr(i));
        if (sequence == 2 && c == 0xC2 && static_cast<unsigned char>(shown[i + 1]) < 0xA0)
            sequence = 0; // C1 controls (U+0080 to U+009F): a terminal takes U+009B for CSI
        if (sequence == 0) {
            text += "\\x";
            text += kHex[c >> 4];
            text += kHex[c & 0x0F];
            ++i;
        } else {
            text.append(shown.substr(i, sequence));
            i += sequence;
        }
    }
    if (cut)
        text += "…";
    return text;
}
