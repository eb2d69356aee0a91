#include "files/IniDocument.h"

#include "base/Text.h"

namespace {

constexpr std::size_t kMaxValueLength = 254; ///< the profile functions read into 255 bytes

/// Lower case of a Windows-1252 byte (ASCII, Latin-1 letters, Š Œ Ž Ÿ).
unsigned char Fold(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c == 0x8A || c == 0x8C || c == 0x8E)
        return c + 0x10;
    if (c == 0x9F)
        return 0xFF;
    return c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

/// The section name of a "[name]" line; empty when the line is no section header.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

/// The key of a "key=value" line; empty for comments and lines without "=".
std::optional<std::string_view> KeyOf(std::string_view line) {
    const auto trimmed = Trim(line);
    const auto equals = line.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(0, equals));
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string SingleLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

} // namespace

IniDocument::IniDocument(std::string_view bytes) {
    while (!bytes.empty()) {
        auto end = bytes.find('\n');
        auto line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_lines.emplace_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
}

std::optional<IniDocument::Span> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        auto name = SectionNameOf(m_lines[i]);
        if (!name || !SameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !SectionNameOf(m_lines[end]))
            ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Span& span, std::string_view key) const {
    for (std::size_t i = span.header + 1; i < span.end; ++i)
        if (auto name = KeyOf(m_lines[i]); name && SameName(*name, key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    auto span = FindSection(section);
    if (!span)
        return std::nullopt;
    auto line = FindKey(*span, key);
    if (!line)
        return std::nullopt;
    std::string_view text = m_lines[*line];
    auto value = Unquote(Trim(text.substr(text.find('=') + 1)));
    return std::string(value.substr(0, kMaxValueLength));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = SingleLine(key) + "=" + SingleLine(value);
    auto span = FindSection(section);
    if (!span) {
        m_lines.push_back("[" + SingleLine(section) + "]");
        m_lines.push_back(entry);
        return;
    }
    if (auto line = FindKey(*span, key)) {
        m_lines[*line] = entry;
        return;
    }
    std::size_t insertAt = span->end;
    while (insertAt > span->header + 1 && Trim(m_lines[insertAt - 1]).empty())
        --insertAt;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
}

std::string IniDocument::Bytes() const {
    std::string out;
    for (const auto& line : m_lines)
        out += line + "\r\n";
    return out;
}
