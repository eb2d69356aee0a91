#pragma once

class cNivolantis;

/// The K417's parameter catalogue: every group, range and parameter with its EEPROM address,
/// byte count, scale factor, limits, default, unit and choice texts.
class Catalogue {
public:
    /// Builds the five groups into the application object. The unit texts come from section
    /// "Einheiten" of the file the application's IniFile points at: the settings file.
    static void Create(cNivolantis& app);
};
