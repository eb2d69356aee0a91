#include "base/PatternRegionalSettings.h"

#include <cctype>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kFieldLetters = "dMyHhmst";

/// One field or literal of a picture: a run of one field letter, or literal text.
struct Token {
    char letter = 0; ///< 0 for literal text
    std::size_t count = 0;
    std::string literal;
};

std::vector<Token> Tokenize(std::string_view picture) {
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (kFieldLetters.find(c) != std::string_view::npos) {
            std::size_t end = picture.find_first_not_of(c, i);
            end = end == std::string_view::npos ? picture.size() : end;
            tokens.push_back({c, end - i, {}});
            i = end;
            continue;
        }
        if (tokens.empty() || tokens.back().letter != 0)
            tokens.push_back({});
        if (c == '\'') {
            const std::size_t close = picture.find('\'', i + 1);
            const std::size_t end = close == std::string_view::npos ? picture.size() : close;
            tokens.back().literal += picture.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            tokens.back().literal += c;
            ++i;
        }
    }
    return tokens;
}

std::string Number(int value, std::size_t digits) {
    std::string text = std::to_string(value);
    return text.size() < digits ? std::string(digits - text.size(), '0') + text : text;
}

std::string Format(std::string_view picture, const DateTime& v) {
    std::string text;
    for (const Token& t : Tokenize(picture)) {
        switch (t.letter) {
        case 'd':
            text += Number(v.day, t.count > 1 ? 2 : 1);
            break;
        case 'M':
            text += Number(v.month, t.count > 1 ? 2 : 1);
            break;
        case 'y':
            text += Number(v.year, 4);
            break;
        case 'H':
            text += Number(v.hour, t.count > 1 ? 2 : 1);
            break;
        case 'h':
            text += Number((v.hour + 11) % 12 + 1, t.count > 1 ? 2 : 1);
            break;
        case 'm':
            text += Number(v.minute, t.count > 1 ? 2 : 1);
            break;
        case 's':
            text += Number(v.second, t.count > 1 ? 2 : 1);
            break;
        case 't':
            text += v.hour < 12 ? "AM" : "PM";
            break;
        default:
            text += t.literal;
        }
    }
    return text;
}

bool ReadNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits, int& value) {
    std::size_t digits = 0;
    value = 0;
    while (pos < text.size() && digits < maxDigits &&
           std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos++] - '0');
        ++digits;
    }
    return digits > 0;
}

/// Reads `text` from `pos` by the picture into `v`; false when it does not match.
bool Parse(std::string_view picture, std::string_view text, std::size_t& pos, DateTime& v) {
    bool pm = false;
    bool twelveHours = false;
    for (const Token& t : Tokenize(picture)) {
        bool ok = true;
        switch (t.letter) {
        case 0: {
            // Blanks in the picture take any run of blanks, so "1.5.2026  14:05" still reads.
            for (char c : t.literal) {
                if (c == ' ') {
                    while (pos < text.size() && text[pos] == ' ')
                        ++pos;
                } else if (pos < text.size() && text[pos] == c) {
                    ++pos;
                } else {
                    return false;
                }
            }
            break;
        }
        case 'd':
            ok = ReadNumber(text, pos, 2, v.day);
            break;
        case 'M':
            ok = ReadNumber(text, pos, 2, v.month);
            break;
        case 'y': {
            const std::size_t start = pos;
            ok = ReadNumber(text, pos, 4, v.year);
            if (ok && pos - start <= 2)
                v.year += 2000;
            break;
        }
        case 'H':
            ok = ReadNumber(text, pos, 2, v.hour);
            break;
        case 'h':
            ok = ReadNumber(text, pos, 2, v.hour) && v.hour >= 1 && v.hour <= 12;
            twelveHours = true;
            break;
        case 'm':
            ok = ReadNumber(text, pos, 2, v.minute);
            break;
        case 's':
            ok = ReadNumber(text, pos, 2, v.second);
            break;
        case 't': {
            const std::string_view marker = text.substr(pos, 2);
            pm = marker == "PM" || marker == "pm";
            ok = pm || marker == "AM" || marker == "am";
            pos += ok ? 2 : 0;
            break;
        }
        }
        if (!ok)
            return false;
    }
    if (twelveHours)
        v.hour = v.hour % 12 + (pm ? 12 : 0);
    return true;
}

/// The picture up to its seconds field, without the separator before it.
std::string WithoutSeconds(const std::string& picture) {
    const std::size_t s = picture.find('s');
    if (s == std::string::npos)
        return picture;
    std::size_t cut = s;
    while (cut > 0 && kFieldLetters.find(picture[cut - 1]) == std::string_view::npos)
        --cut;
    const std::size_t after = picture.find_first_not_of('s', s);
    return picture.substr(0, cut) + (after == std::string::npos ? "" : picture.substr(after));
}

} // namespace

PatternRegionalSettings::PatternRegionalSettings(std::string decimalSeparator,
                                                 std::string datePicture, std::string timePicture)
    : m_decimalSeparator(std::move(decimalSeparator)), m_datePicture(std::move(datePicture)),
      m_timePicture(std::move(timePicture)) {}

std::string PatternRegionalSettings::FormatDateTime(const DateTime& value) const {
    return Format(m_datePicture, value) + " " + Format(m_timePicture, value);
}

std::optional<DateTime> PatternRegionalSettings::ParseDateTime(const std::string& text) const {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    const std::string_view input = first == std::string::npos
                                       ? std::string_view()
                                       : std::string_view(text).substr(first, last - first + 1);
    for (const std::string& picture :
         {m_datePicture + " " + m_timePicture, m_datePicture + " " + WithoutSeconds(m_timePicture),
          m_datePicture}) {
        DateTime value;
        value.hour = value.minute = value.second = 0;
        std::size_t pos = 0;
        if (Parse(picture, input, pos, value) && pos == input.size() && value.IsValid())
            return value;
    }
    return std::nullopt;
}
