#pragma once

#include "sim/K417Device.h"

/// The EEPROM of a device as it leaves the factory: every setting at its default, the variant
/// byte, and the bytes no setting uses erased (FF).
K417Device::EepromImage FactoryEeprom(std::uint8_t variant = 7);
