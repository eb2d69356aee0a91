#include "sim/FactoryImage.h"

#include "app/cNivolantis.h"
#include "device/EepromCoding.h"

K417Device::EepromImage EepromImageOf(const cNivolantis& model, std::uint8_t variant) {
    K417Device::EepromImage image = K417Device::BlankEeprom(variant);
    model.ForEachParameter([&image](cDataGroup&, cParameter& parameter) {
        const std::int64_t raw = EepromCoding::Raw(parameter);
        for (int i = 0; i < parameter.Size(); ++i) // two's complement, sign-extended
            image.at(parameter.Adress() + i) =
                static_cast<std::uint8_t>(raw >> std::min(8 * i, 63));
    });
    return image;
}
