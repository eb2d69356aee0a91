#pragma once

#include <string>

/// Text crosses the Win32 API's wide functions as UTF-16; inside, the program keeps UTF-8.
/// (Windows builds only.)

/// UTF-16 of UTF-8 text; invalid sequences become U+FFFD.
std::wstring Utf8ToWide(const std::string& text);
/// UTF-8 of UTF-16 text; unpaired surrogates become U+FFFD.
std::string WideToUtf8(const std::wstring& text);
/// errno value closest to a Win32 error code, for ErrorText.
int ErrnoOfWin32Error(unsigned long error);
