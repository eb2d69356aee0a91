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
/// "Grenzwert1" to "Grenzwert4": the range of the limit values of relay channel k (0 to 3).
std::string LimitRangeName(int k);
/// "Grenzwertfunktion A" to "Grenzwertfunktion D" for relay channel k (0 to 3).
std::string LimitFunctionName(int k);
/// "Pumpentausch A" to "Pumpentausch D" for relay channel k (0 to 3).
std::string PumpSwapName(int k);
/// "X1" to "X24" (axis 'X', input current) or "Y1" to "Y24" (axis 'Y', scaled value): a
/// coordinate of support point n (1 to 24).
std::string PointName(char axis, int n);

/// Builds the five groups into the configuration; `units` are the scale unit texts, the
/// choices of "Skaleneinheit" in index order.
void Create(Configuration& config, const std::vector<std::string>& units);

} // namespace Catalogue
