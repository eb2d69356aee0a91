#pragma once

#include <optional>
#include <string>
#include <string_view>

/// Numbers as the user reads and types them, under the installed regional settings.

/// General form: at most 7 significant digits, no digit grouping, trailing zeros dropped,
/// the regional decimal separator; exponent form ("1,5E+07", "1E-05") only below 1E-04
/// and from 1E+07 on.
std::string NumberToText(double value);

/// Reads optional blanks and sign, digits with at most one decimal separator (the regional
/// one or "."), an optional exponent and trailing blanks; no digit grouping. Empty when the
/// text is no number (also for an empty text and for a number beyond the double range).
std::optional<double> TextToNumber(std::string_view text);

/// Reads a number from a file, which may come from a system with either decimal separator:
/// "," and "." both separate the decimals, whatever the regional settings; otherwise as
/// TextToNumber (files never hold digit grouping).
std::optional<double> FileTextToNumber(std::string_view text);

/// The value as a single-precision number; empty when it lies beyond the single range.
std::optional<float> ToSingle(double value);
