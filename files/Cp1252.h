#pragma once

#include <string>
#include <string_view>

/// Conversions between the program's UTF-8 texts and the Windows-1252 single-byte code
/// page of INI files. Characters Windows-1252 cannot represent become "?"; invalid UTF-8
/// bytes do too.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);
