#pragma once

#include <string>
#include <vector>

class Configuration;

/// The K417's parameter catalogue: every group, range and parameter with its EEPROM address,
/// byte count, scale factor, limits, default, unit and choice texts.
namespace Catalogue {

constexpr int kRelayCount = 4;  ///< relay channels A to D
constexpr int kPointCount = 24; ///< support points of the linearisation table

/// The letter of relay channel k (0 to 3): "A" to "D".
std::string RelayLetter(int k);

/// Builds the five groups into the configuration; `units` are the scale unit texts, the
/// choices of "Skaleneinheit" in index order.
void Create(Configuration& config, const std::vector<std::string>& units);

} // namespace Catalogue
