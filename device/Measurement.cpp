#include "device/Measurement.h"

#include "base/NumberText.h"
#include "base/Translation.h"
#include "device/cSerCom.h"
#include "model/CatalogueNames.h"
#include "model/Configuration.h"

namespace {

constexpr double kAnswerTimeoutS = 1.0; ///< reply to "Q", "i" and "q"

/// The device's answer, least significant byte first; empty unless exactly `length` bytes came.
std::optional<std::int32_t> Ask(cSerCom& serCom, const char* command, std::int16_t length) {
    if (serCom.Command(command, length, kAnswerTimeoutS) != length)
        return std::nullopt;
    return serCom.getBufferLong();
}

template <typename T, typename Form> std::string TextOf(const std::optional<T>& value, Form form) {
    return value ? form(*value) : Tr("Measurement", "Fehler");
}

} // namespace

Measurement Measurement::Read(cSerCom& serCom, const Configuration& config) {
    const double factor =
        config.Data(Catalogue::kInputGroup).Ranges(Catalogue::kScaling).RangeEnd().Factor();
    Measurement values;
    if (const auto microamps = Ask(serCom, "Q", 2))
        values.current = *microamps / 1000.0;
    if (const auto raw = Ask(serCom, "i", 4))
        values.scaled = *raw / factor;
    values.converter = Ask(serCom, "q", 2);
    return values;
}

std::array<std::string, 3> Measurement::Texts() const {
    const auto number = [](double value) { return NumberToText(value); };
    return {TextOf(current, number), TextOf(scaled, number),
            TextOf(converter, [](std::int32_t value) { return std::to_string(value); })};
}
