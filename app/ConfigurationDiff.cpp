#include "app/ConfigurationDiff.h"

#include "base/NumberText.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"
#include "model/Configuration.h"

#include <algorithm>
#include <cmath>

std::string ConfigurationDiff::ValueText(const cParameter& parameter) {
    const std::string number = NumberToText(parameter.Value());
    if (parameter.DescriptionCount() > 0) {
        const std::string text = parameter.Description(number);
        return text.empty() ? number : number + " (" + CatalogueText::Choice(text) + ")";
    }
    return parameter.Unit().empty() ? number
                                    : number + " " + CatalogueText::Choice(parameter.Unit());
}

std::vector<ConfigurationEntry> ConfigurationDiff::Entries(const Configuration& config) {
    std::vector<ConfigurationEntry> entries;
    config.ForEachParameter([&entries](const cDataGroup& group, const cParameter& parameter) {
        entries.push_back({group.GroupName() + "/" + parameter.ParName(), ValueText(parameter),
                           parameter.Value(), parameter.Factor(),
                           CatalogueText::Caption(parameter.ParName()), &parameter});
    });
    for (int line = 0; line < Configuration::kDescriptionCount; ++line) {
        const std::string key = Configuration::DescriptionKey(line);
        entries.push_back({std::string(Catalogue::kDescriptionSection) + "/" + key,
                           config.GetDescription(line), 0, 0, CatalogueText::Caption(key)});
    }
    return entries;
}

std::vector<ConfigurationDifference>
ConfigurationDiff::Compare(const std::vector<ConfigurationEntry>& mine,
                           const std::vector<ConfigurationEntry>& other, bool onDeviceSteps) {
    const auto differ = [onDeviceSteps](const ConfigurationEntry& a, const ConfigurationEntry& b) {
        if (!onDeviceSteps)
            return a.value != b.value;
        return std::lround(a.number * b.factor) != std::lround(b.number * b.factor);
    };
    std::vector<ConfigurationDifference> differences;
    for (std::size_t i = 0; i < std::min(mine.size(), other.size()); ++i)
        if (differ(mine[i], other[i]))
            differences.push_back({mine[i].path, mine[i].value, other[i].value, mine[i].caption});
    return differences;
}
