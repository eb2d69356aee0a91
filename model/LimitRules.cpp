#include "model/LimitRules.h"

#include "model/Catalogue.h"
#include "model/CatalogueNames.h"
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
    const Configuration::Batch batch(config);
    cDataGroup& input = config.Data(Catalogue::kInputGroup);
    cRange& scale = input.Ranges(Catalogue::kScaling);
    scale.RangeEnd().setFactor(ScaleFactor(input.Parameters(Catalogue::kDecimalPlaces).Value()));
    scale.RangeBegin().setFactor(scale.RangeEnd().Factor());
    const float limit = kMaxScaled / scale.RangeEnd().Factor();
    for (cParameter* end : {&scale.RangeBegin(), &scale.RangeEnd()}) {
        end->setUpperLimit(limit);
        end->setLowerLimit(-limit);
    }

    const float b = scale.GetRangeBegin(), e = scale.GetRangeEnd(), f = scale.RangeEnd().Factor();
    cDataGroup& relays = config.Data(Catalogue::kLimitsGroup);
    for (int k = 0; k < Catalogue::kRelayCount; ++k) {
        cRange& range = relays.Ranges(Catalogue::LimitRangeName(k));
        Follow(range.RangeEnd(), b, e, f);
        Follow(range.RangeBegin(), b, e, f);
    }
    cDataGroup& table = config.Data(Catalogue::kLinearisationGroup);
    const cRange& measuring = input.Ranges(Catalogue::kMeasuringRange);
    for (int n = 1; n <= Catalogue::kPointCount; ++n) {
        cParameter& x = table.Parameters(Catalogue::PointName('X', n));
        x.setUpperLimit(measuring.GetRangeEnd());
        x.setLowerLimit(measuring.GetRangeBegin());
        Follow(table.Parameters(Catalogue::PointName('Y', n)), b, e, f);
    }
    cDataGroup& other = config.Data(Catalogue::kMiscGroup);
    Follow(other.Parameters(Catalogue::kTrendRising), b, e, f);
    Follow(other.Parameters(Catalogue::kTrendFalling), b, e, f);
    cRange& simulation = other.Ranges(Catalogue::kSimulationRange);
    Follow(simulation.RangeEnd(), b, e, f);
    Follow(simulation.RangeBegin(), b, e, f);
    cParameter& step = other.Parameters(Catalogue::kSimulationStep);
    step.setLowerLimit(b); // lower first here: a reversed scaling leaves the step at its end
    step.setUpperLimit(e);
    step.setFactor(f);
    FollowUnit(config);
}

void LimitRules::FollowUnit(Configuration& config) {
    cDataGroup& input = config.Data(Catalogue::kInputGroup);
    const cParameter& index = input.Parameters(Catalogue::kScaleUnit);
    const float position = std::nearbyint(index.Value());
    if (position < 0 || position >= static_cast<float>(index.DescriptionCount()))
        return;
    const std::string unit = index.Description(std::to_string(static_cast<int>(position)));
    input.Ranges(Catalogue::kScaling).setUnit(unit);
    cDataGroup& relays = config.Data(Catalogue::kLimitsGroup);
    for (int k = 0; k < Catalogue::kRelayCount; ++k)
        relays.Ranges(Catalogue::LimitRangeName(k)).setUnit(unit);
    cDataGroup& table = config.Data(Catalogue::kLinearisationGroup);
    for (int n = 1; n <= Catalogue::kPointCount; ++n)
        table.Parameters(Catalogue::PointName('Y', n)).setUnit(unit);
    cDataGroup& other = config.Data(Catalogue::kMiscGroup);
    other.Ranges(Catalogue::kSimulationRange).setUnit(unit);
    for (const char* name :
         {Catalogue::kSimulationStep, Catalogue::kTrendRising, Catalogue::kTrendFalling})
        other.Parameters(name).setUnit(unit);
}

void LimitRules::UpdateLimitsKeepingValues(Configuration& config) {
    std::vector<float> values;
    config.ForEachParameter([&values](cDataGroup&, cParameter& p) { values.push_back(p.Value()); });
    const Configuration::Batch batch(config, Configuration::Batch::Checks::Off);
    UpdateLimits(config);
    auto value = values.begin();
    config.ForEachParameter([&value](cDataGroup&, cParameter& p) { p.setValue(*value++); });
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
    cDataGroup& relays = config.Data(Catalogue::kLimitsGroup);
    for (int k = 0; k < Catalogue::kRelayCount; ++k)
        relays.Parameters(Catalogue::LimitFunctionName(k)).setUpperLimit(functions);
    for (int k = 0; k < Catalogue::kRelayCount; ++k)
        relays.Parameters(Catalogue::PumpSwapName(k)).setUpperLimit(pumpSwap);
}
