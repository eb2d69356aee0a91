#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The content of an INI file, as Windows-1252 bytes, with the rules of the Windows profile
/// functions: "[section]" lines, "key=value" lines, ";" comments, section and key names
/// matched without regard to letter case. Unknown lines are kept as they stand.
class IniDocument {
public:
    IniDocument() = default;
    /// Parses file content; lines may end in CR LF or LF.
    explicit IniDocument(std::string_view bytes);

    /// The value of the first matching key of the first matching section: blanks around it
    /// removed, one pair of enclosing quotes stripped, cut to 254 bytes. Empty when absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    /// True when a section of that name exists (letter case ignored).
    bool HasSection(std::string_view section) const { return FindSection(section).has_value(); }

    /// Replaces the key's value in place, or appends the key as the last line of its section,
    /// or appends the section with the key at the end. CR and LF in the texts become blanks.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    /// The file content with CR LF line ends.
    std::string Bytes() const;

private:
    struct Span {
        std::size_t header;
        std::size_t end; // one past the section's last line
    };
    std::optional<Span> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Span& span, std::string_view key) const;

    std::vector<std::string> m_lines;
};
