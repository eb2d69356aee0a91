#pragma once

#include "base/DateTime.h"

#include <optional>
#include <string>

/// The system's regional number and date settings.
class RegionalSettings {
public:
    virtual ~RegionalSettings() = default;
    /// The decimal separator of numbers, "," on German systems.
    virtual std::string DecimalSeparator() const = 0;
    /// Date and time in the general form, for example "06.12.2026 14:05:09" on German systems.
    virtual std::string FormatDateTime(const DateTime& value) const = 0;
    /// Reads a date, optionally followed by a time; empty when the text is no date.
    virtual std::optional<DateTime> ParseDateTime(const std::string& text) const = 0;
};
