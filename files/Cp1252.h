#pragma once

#include <string>
#include <string_view>

/// Conversions between the program's UTF-8 texts and the Windows-1252 single-byte code
/// page of INI files. Characters Windows-1252 cannot represent become "?"; invalid UTF-8
/// bytes do too.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);

/// The content of a text file as Windows-1252: a file that is valid UTF-8 or starts with the
/// UTF-8 byte order mark is converted (without the mark); any other is taken as it stands.
std::string FileTextToCp1252(std::string_view bytes);
