#pragma once

#include "base/RegionalSettings.h"

/// Regional settings described by Windows date and time pictures: "dd.MM.yyyy", "M/d/yyyy",
/// "HH:mm:ss", "h:mm:ss tt". Letters d, M, y, H, h, m, s, t are fields (one letter: no leading
/// zero; "yy" the year within the century; "tt" "AM"/"PM"); text in single quotes and every
/// other character stand as they are. Dates always show four-digit years.
class PatternRegionalSettings : public RegionalSettings {
public:
    PatternRegionalSettings(std::string decimalSeparator, std::string datePicture,
                            std::string timePicture);

    std::string DecimalSeparator() const override { return m_decimalSeparator; }
    std::string FormatDateTime(const DateTime& value) const override;
    /// The date picture, optionally followed by blanks and the time picture, with or without
    /// its seconds. Blanks around the text are ignored.
    std::optional<DateTime> ParseDateTime(const std::string& text) const override;

private:
    std::string m_decimalSeparator;
    std::string m_datePicture;
    std::string m_timePicture;
};
