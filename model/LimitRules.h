#pragma once

#include <cstdint>

class Configuration;

/// The limits and factors that follow the scaling, and the relay choices of the device variants.
namespace LimitRules {

/// Factor 10^"Skalenkomma" (rounded, held to 0..4) for every scaled value; the scaling
/// limited to ±99999 ÷ factor; relay limits, Y points, trend thresholds and simulation values
/// limited to the scaling range, X points to the measuring range. Values outside a new limit
/// move onto it; the order of the assignments decides where reversed pairs end. The scaled
/// values take the unit (FollowUnit). One batch: one notification, or none inside a caller's.
void UpdateLimits(Configuration& config);

/// The text of "Skaleneinheit" as the unit of the scaling and of every value in its scale
/// (relay limits, Y points, trend thresholds, simulation range and step). A unit index without
/// a text leaves the units as they are. No notification.
void FollowUnit(Configuration& config);

/// The same limits and factors, but every value stays as it is: for values taken from a
/// file or the device, which must not be moved (a reversed scaling would otherwise pull
/// every dependent value onto its begin). One batch, as UpdateLimits.
void UpdateLimitsKeepingValues(Configuration& config);

/// Variant 7 widens the relay functions and pump alternation, 1 and 0 narrow them (values
/// beyond move onto the new limit); other variants change nothing.
void ApplyVariant(Configuration& config, std::uint8_t variant);

} // namespace LimitRules
