#include "model/LimitRules.h"

#include "model/Catalogue.h"
#include "model/Configuration.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr float kMaxScaled = 99999; ///< five decimal digits in the device
/// Upper limit, then lower limit, then factor: the order decides where reversed pairs end.
void Follow(cParameter& parameter, float lower, float upper, float factor) {
    parameter.setUpperLimit(upper);
    parameter.setLowerLimit(lower);
    parameter.setFactor(factor);
}

/// 10 ^ decimal places. The places are rounded as the device keeps them and held to 0..4, so
/// that a damaged file or device can never make the factor infinite or zero.
float ScaleFactor(float places) {
    const double whole = std::clamp(std::nearbyint(static_cast<double>(places)), 0.0, 4.0);
    return static_cast<float>(std::pow(10.0, whole));
}

} // namespace

void LimitRules::UpdateLimits(Configuration& config) {
    config.setEnableNotify(false);
    cDataGroup& input = config.Data("Eingang");
    cRange& scale = input.Ranges("Skalierung");
    scale.RangeEnd().setFactor(ScaleFactor(input.Parameters("Skalenkomma").Value()));
    scale.RangeBegin().setFactor(scale.RangeEnd().Factor());
    const float limit = kMaxScaled / scale.RangeEnd().Factor();
    for (cParameter* end : {&scale.RangeBegin(), &scale.RangeEnd()}) {
        end->setUpperLimit(limit);
        end->setLowerLimit(-limit);
    }

    const float b = scale.GetRangeBegin(), e = scale.GetRangeEnd(), f = scale.RangeEnd().Factor();
    cDataGroup& relays = config.Data("Grenzwerte");
    for (int i = 1; i <= Catalogue::kRelayCount; ++i) {
        cRange& range = relays.Ranges("Grenzwert" + std::to_string(i));
        Follow(range.RangeEnd(), b, e, f);
        Follow(range.RangeBegin(), b, e, f);
    }
    cDataGroup& table = config.Data("Linearisierung");
    const cRange& measuring = input.Ranges("Messbereich");
    for (int i = 1; i <= Catalogue::kPointCount; ++i) {
        cParameter& x = table.Parameters("X" + std::to_string(i));
        x.setUpperLimit(measuring.GetRangeEnd());
        x.setLowerLimit(measuring.GetRangeBegin());
        Follow(table.Parameters("Y" + std::to_string(i)), b, e, f);
    }
    cDataGroup& other = config.Data("Sonstiges");
    Follow(other.Parameters("TrendSteigend"), b, e, f);
    Follow(other.Parameters("TrendFallend"), b, e, f);
    cRange& simulation = other.Ranges("Simulationsbereich");
    Follow(simulation.RangeEnd(), b, e, f);
    Follow(simulation.RangeBegin(), b, e, f);
    cParameter& step = other.Parameters("Simulationsschrittweite");
    step.setLowerLimit(b); // lower first here: a reversed scaling leaves the step at its end
    step.setUpperLimit(e);
    step.setFactor(f);
    FollowUnit(config);
    config.setEnableNotify(true);
}

void LimitRules::FollowUnit(Configuration& config) {
    cDataGroup& input = config.Data("Eingang");
    const cParameter& index = input.Parameters("Skaleneinheit");
    const float position = std::nearbyint(index.Value());
    if (position < 0 || position >= static_cast<float>(index.DescriptionCount()))
        return;
    const std::string unit = index.Description(std::to_string(static_cast<int>(position)));
    input.Ranges("Skalierung").setUnit(unit);
    cDataGroup& relays = config.Data("Grenzwerte");
    for (int i = 1; i <= Catalogue::kRelayCount; ++i)
        relays.Ranges("Grenzwert" + std::to_string(i)).setUnit(unit);
    cDataGroup& table = config.Data("Linearisierung");
    for (int i = 1; i <= Catalogue::kPointCount; ++i)
        table.Parameters("Y" + std::to_string(i)).setUnit(unit);
    cDataGroup& other = config.Data("Sonstiges");
    other.Ranges("Simulationsbereich").setUnit(unit);
    for (const char* name : {"Simulationsschrittweite", "TrendSteigend", "TrendFallend"})
        other.Parameters(name).setUnit(unit);
}

void LimitRules::UpdateLimitsKeepingValues(Configuration& config) {
    std::vector<float> values;
    config.ForEachParameter([&values](cDataGroup&, cParameter& p) { values.push_back(p.Value()); });
    UpdateLimits(config);
    config.setEnableNotify(false);
    const bool testing = config.Data("Eingang").EnableTestData();
    config.setEnableTestData(false);
    auto value = values.begin();
    config.ForEachParameter([&value](cDataGroup&, cParameter& p) { p.setValue(*value++); });
    config.setEnableTestData(testing);
    config.setEnableNotify(true);
}

void LimitRules::ApplyVariant(Configuration& config, std::uint8_t variant) {
    float functions, pumpSwap;
    if (variant == Configuration::kFullVariant) {
        functions = 4;
        pumpSwap = 1;
    } else if (variant == 1 || variant == 0) {
        functions = 1;
        pumpSwap = 0;
    } else {
        return;
    }
    cDataGroup& relays = config.Data("Grenzwerte");
    for (int k = 0; k < Catalogue::kRelayCount; ++k)
        relays.Parameters("Grenzwertfunktion " + Catalogue::RelayLetter(k))
            .setUpperLimit(functions);
    for (int k = 0; k < Catalogue::kRelayCount; ++k)
        relays.Parameters("Pumpentausch " + Catalogue::RelayLetter(k)).setUpperLimit(pumpSwap);
}
