#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class Configuration;
class cSerCom;

/// The device's three live values, read with "Q", "i" and "q". A value is empty when its
/// answer did not come with exactly the expected number of bytes.
struct Measurement {
    std::optional<double> current;         ///< output current in mA
    std::optional<double> scaled;          ///< measured value in the scale's unit
    std::optional<std::int32_t> converter; ///< raw A/D converter value

    /// Asks the device on the channel's current port. The scaled value is the device's number
    /// divided by the factor of the scale end, so the model must hold the device's
    /// "Skalenkomma".
    static Measurement Read(cSerCom& serCom, const Configuration& config);

    /// True when all three values arrived.
    bool Complete() const { return current && scaled && converter; }
    /// The values as the user reads them (regional decimal separator), "Fehler" for each one
    /// that did not arrive: current, scaled value, converter value.
    std::array<std::string, 3> Texts() const;
};
