#include "base/SystemRegionalSettings.h"

#include "base/StandardRegionalSettings.h"

#include <locale>
#include <stdexcept>

std::unique_ptr<RegionalSettings> MakeSystemRegionalSettings() {
    char separator = '.';
    try {
        separator = std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::runtime_error&) {
        // The environment names a locale the system does not have: C conventions.
    }
    // Systems with the decimal comma write dates day first.
    return std::make_unique<StandardRegionalSettings>(
        std::string(1, separator), separator == ','
                                       ? StandardRegionalSettings::DateOrder::DayMonthYear
                                       : StandardRegionalSettings::DateOrder::Iso);
}
