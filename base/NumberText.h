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

/// The value in a display pattern of zeros with an optional decimal point ("#0.00", "0.00",
/// "00000", "000.00", "0.0000"): the integer part padded with leading zeros to the count of "0"
/// before the point (a leading "#" adds none), exactly as many decimals as "0" after it, halves
/// rounded away from zero, the regional separator. The value counts with the seven significant
/// digits the model keeps. An empty pattern gives the general form.
std::string FormatPattern(double value, std::string_view pattern);

/// The value cut to hundredths (the largest multiple of 0.01 not above it, at the model's seven
/// significant digits) in the pattern "0.00".
std::string CutToHundredths(double value);
