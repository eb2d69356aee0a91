#pragma once

#include "base/RegionalSettings.h"

#include <memory>

/// The regional settings of the user's system as the operating system itself reports them,
/// for programs without a GUI toolkit: the decimal separator and the short date and long time
/// forms (on Windows from the user's locale; elsewhere from the C++ locale of the environment).
std::unique_ptr<RegionalSettings> MakeSystemRegionalSettings();
