#pragma once

#include <cstdint>
#include <string>

/// The device variants a user chooses between.
namespace HardwareVariants {

/// The variant as the options window names it, in the user's language: "Alle Software und
/// Hardwarefunktionen" for 7, the texts of the reduced variants for 1 and 0, "Variante N" for a
/// value it does not offer.
std::string Text(std::uint8_t variant);

} // namespace HardwareVariants
