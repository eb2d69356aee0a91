#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// The text without the given characters at either end (by default blanks and tabs).
std::string_view Trim(std::string_view text, std::string_view blanks = " \t");

/// True when `part` occurs in `text`, letter case ignored.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

/// The value of a hexadecimal digit (either letter case); -1 for any other character.
int HexDigitValue(char c);

/// Bytes from outside (a device, a network peer, a file) as a short, printable quote: at most
/// `maxBytes` of the input are shown, followed by "…" when it was longer; valid UTF-8 text stays
/// as it is, every byte of a control character (C0, DEL and C1) and every byte that is not part
/// of a valid UTF-8 sequence becomes `\xNN` (two upper-case hex digits). Safe for messages,
/// terminals and records.
std::string EscapedText(std::string_view bytes, std::size_t maxBytes = 64);
