#pragma once

/// Names of the catalogue that code outside it looks up: the groups, the parameters and ranges
/// the scaling and limit rules follow, and the description section of parameter files and
/// reports. The catalogue builds its groups from the same names.
namespace Catalogue {

constexpr const char* kInputGroup = "Eingang";
constexpr const char* kOutputGroup = "Ausgang";
constexpr const char* kLimitsGroup = "Grenzwerte";
constexpr const char* kLinearisationGroup = "Linearisierung";
constexpr const char* kMiscGroup = "Sonstiges";

constexpr const char* kMeasuringRange = "Messbereich"; ///< range of "Eingang", in mA
constexpr const char* kScaling = "Skalierung";         ///< range of "Eingang", scaled values
constexpr const char* kScaleUnit = "Skaleneinheit";    ///< index into the unit texts
constexpr const char* kDecimalPlaces = "Skalenkomma";  ///< 0 to 4, read first from the device
constexpr const char* kLinearisationMode = "Modus";
constexpr const char* kSupportPoints = "Stützpunkte"; ///< number of points in use
constexpr const char* kTrendRising = "TrendSteigend";
constexpr const char* kTrendFalling = "TrendFallend";
constexpr const char* kSimulationRange = "Simulationsbereich";
constexpr const char* kSimulationStep = "Simulationsschrittweite";

/// Section of the four description lines ("Zeile1".."Zeile4") and the plant identifier.
constexpr const char* kDescriptionSection = "Gerätebeschreibung";
constexpr const char* kPlantKey = "Anlagenkennzeichen";

} // namespace Catalogue
