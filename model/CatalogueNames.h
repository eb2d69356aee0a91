#pragma once

#include "base/Translation.h"

/// Names of the catalogue that code outside it looks up: the groups, the parameters and ranges
/// the scaling and limit rules follow, and the description section of parameter files and
/// reports. The catalogue builds its groups from the same names.
namespace Catalogue {

constexpr const char* kInputGroup = TrNoop("Catalogue", "Eingang");
constexpr const char* kOutputGroup = TrNoop("Catalogue", "Ausgang");
constexpr const char* kLimitsGroup = TrNoop("Catalogue", "Grenzwerte");
constexpr const char* kLinearisationGroup = TrNoop("Catalogue", "Linearisierung");
constexpr const char* kMiscGroup = TrNoop("Catalogue", "Sonstiges");

constexpr const char* kMeasuringRange =
    TrNoop("Catalogue", "Messbereich"); ///< range of "Eingang", in mA
constexpr const char* kScaling =
    TrNoop("Catalogue", "Skalierung"); ///< range of "Eingang", scaled values
constexpr const char* kScaleUnit =
    TrNoop("Catalogue", "Skaleneinheit"); ///< index into the unit texts
constexpr const char* kDecimalPlaces =
    TrNoop("Catalogue", "Skalenkomma"); ///< 0 to 4, read first from the device
constexpr const char* kLinearisationMode = TrNoop("Catalogue", "Modus");
constexpr const char* kSupportPoints =
    TrNoop("Catalogue", "Stützpunkte"); ///< number of points in use
constexpr const char* kTrendRising = TrNoop("Catalogue", "TrendSteigend");
constexpr const char* kTrendFalling = TrNoop("Catalogue", "TrendFallend");
constexpr const char* kSimulationRange = TrNoop("Catalogue", "Simulationsbereich");
constexpr const char* kSimulationStep = TrNoop("Catalogue", "Simulationsschrittweite");

/// Section of the four description lines ("Zeile1".."Zeile4") and the plant identifier.
constexpr const char* kDescriptionSection = TrNoop("Catalogue", "Gerätebeschreibung");
constexpr const char* kPlantKey = TrNoop("Catalogue", "Anlagenkennzeichen");

} // namespace Catalogue
