#include "sim/FactoryImage.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

/// One setting as the device keeps it: `size` bytes from `address` on, least significant first,
/// holding round(value × factor).
struct Setting {
    int address;
    int size;
    double factor;
    double value;
};

/// The defaults of the input, output and miscellaneous settings (mA × 1000, scale units × 10000
/// at four decimal places).
const std::vector<Setting> kFixedSettings = {
    {178, 2, 1000, 4},  {180, 2, 1000, 20},    {183, 2, 1000, 2},    {185, 2, 1000, 22},
    {187, 4, 10000, 0}, {191, 4, 10000, 1},    {195, 1, 1, 0},       {196, 1, 1, 4},
    {182, 1, 1, 2},     {198, 2, 1000, 4},     {200, 2, 1000, 20},   {202, 2, 1000, 0},
    {197, 1, 1, 0},     {31, 1, 1, 24},        {15, 5, 1, 27460},    {176, 1, 1, 0},
    {260, 2, 1, 60},    {262, 4, 10000, 0.1},  {266, 4, 10000, 0.1}, {271, 4, 10000, 0},
    {275, 4, 10000, 1}, {279, 4, 10000, 0.01}, {283, 1, 1, 1},       {270, 1, 1, 0},
};

std::vector<Setting> FactorySettings() {
    std::vector<Setting> settings = kFixedSettings;
    for (int k = 0; k < 4; ++k) { // relay channels A to D, 14 bytes apart
        const int slot = 204 + 14 * k;
        settings.insert(settings.end(), {{slot, 1, 1, 0},
                                         {slot + 1, 1, 1, 1},
                                         {slot + 2, 1, 1, 0},
                                         {slot + 3, 4, 10000, 0.9},
                                         {slot + 7, 4, 10000, 0.1},
                                         {slot + 11, 1, 1, 0},
                                         {slot + 12, 1, 1, 0}});
    }
    for (int n = 0; n < 24; ++n) { // table points: 4 to 20 mA against 0 to 1, evenly
        settings.push_back({32 + 6 * n, 2, 1000, 4 + 16.0 * n / 23});
        settings.push_back({34 + 6 * n, 4, 10000, n / 23.0});
    }
    return settings;
}

} // namespace

K417Device::EepromImage FactoryEeprom(std::uint8_t variant) {
    K417Device::EepromImage image = K417Device::BlankEeprom(variant);
    for (const Setting& setting : FactorySettings()) {
        auto raw = static_cast<std::uint64_t>(std::llround(setting.value * setting.factor));
        for (int i = 0; i < setting.size; ++i, raw >>= 8)
            image.at(setting.address + i) = static_cast<std::uint8_t>(raw & 0xFF);
    }
    return image;
}
