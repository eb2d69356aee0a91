#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// What every fuzz target shares: headless platform services that swallow messages, a clock
/// that moves on by a fixed step at every reading (time-outs pass without real waiting), and
/// the temporary folder the target may write into.
namespace FuzzPlatform {

/// Installs the services once per process; English or German regional settings.
void Install(bool german = true);
/// Switches the decimal separator ("," German, "." English) for the next conversions.
void UseGerman(bool german);
/// A file path in the process's own temporary folder.
std::string PathOf(const std::string& name);
/// Aborts with the text when `condition` is false, so that libFuzzer keeps the input.
void Check(bool condition, const char* what);

} // namespace FuzzPlatform
