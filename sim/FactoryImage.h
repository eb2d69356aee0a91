#pragma once

#include "sim/K417Device.h"

class cNivolantis;

/// The EEPROM of a device that holds the model's values, coded as the program writes them,
/// with the variant byte and a blank rest: from a freshly built model, the factory image.
K417Device::EepromImage EepromImageOf(const cNivolantis& model, std::uint8_t variant = 7);
