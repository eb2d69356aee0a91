#pragma once

#include <string>

/// The one sink for errors nobody expected (a failing view, command or owner): a line on standard
/// error in the user's language, "NivoConfig: WHERE: WHAT". The program goes on; what the user
/// is told in a box is up to the caller.
void ReportUnexpected(const std::string& where, const std::string& what) noexcept;

/// For a catch-all handler: the text of the exception being handled, what() of a standard
/// exception, else "unbekannter Fehler" in the user's language.
std::string CurrentErrorText();
