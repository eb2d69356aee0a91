#pragma once

#include <string>
#include <vector>

class Configuration;
class cParameter;

/// One entry of a configuration as users read it, under its "GROUP/NAME".
struct ConfigurationEntry {
    std::string path;
    std::string value;   ///< "2", "0 (Arbeitstrom)", "250 mm", a description line's text
    double number = 0;   ///< the value; 0 for description lines
    double factor = 0;   ///< steps per unit in the device; 0 for description lines
    std::string caption; ///< the name as users read it: "Relay function A" in English
    const cParameter* parameter = nullptr; ///< nullptr for description lines
};

/// One value that differs between two configurations.
struct ConfigurationDifference {
    std::string path;
    std::string mine;    ///< the value text in the first configuration
    std::string other;   ///< the value text in the second one
    std::string caption; ///< the name as users read it
};

/// What differs between two configurations, for "diff" and the window's comparison alike.
/// Choice texts and units are in the user's language.
class ConfigurationDiff {
public:
    /// Every parameter in walk order, then the description lines: the entries of a parameter
    /// file in its order. The entries' texts are taken now; `parameter` points into `config`.
    static std::vector<ConfigurationEntry> Entries(const Configuration& config);

    /// The entries of `mine` whose value differs from the same entry of `other` (both from
    /// Entries of the same catalogue), in their order. On the device's steps, a value counts as
    /// equal when it falls on the same step of `other`'s factor as the other one does: what a
    /// device holds is only ever such a step. Otherwise the value texts are compared.
    static std::vector<ConfigurationDifference>
    Compare(const std::vector<ConfigurationEntry>& mine,
            const std::vector<ConfigurationEntry>& other, bool onDeviceSteps);
    static std::vector<ConfigurationDifference>
    Compare(const Configuration& mine, const Configuration& other, bool onDeviceSteps) {
        return Compare(Entries(mine), Entries(other), onDeviceSteps);
    }

    /// "0 (Arbeitstrom)" for a choice, the number and unit otherwise.
    static std::string ValueText(const cParameter& parameter);
};
