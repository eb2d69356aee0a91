#pragma once

#include <string_view>

/// The text without the given characters at either end (by default blanks and tabs).
std::string_view Trim(std::string_view text, std::string_view blanks = " \t");

/// True when `part` occurs in `text`, letter case ignored.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

/// The value of a hexadecimal digit (either letter case); -1 for any other character.
int HexDigitValue(char c);
