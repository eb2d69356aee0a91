#pragma once

#include "base/RegionalSettings.h"

/// Regional settings without a system behind them: a configurable decimal separator and
/// dates written day-first ("06.12.2026 14:05:09") or in ISO order ("2026-12-06 14:05:09").
class StandardRegionalSettings : public RegionalSettings {
public:
    enum class DateOrder { Iso, DayMonthYear };

    explicit StandardRegionalSettings(std::string decimalSeparator = ".",
                                      DateOrder order = DateOrder::Iso);

    std::string DecimalSeparator() const override { return m_decimalSeparator; }
    std::string FormatDateTime(const DateTime& value) const override;
    std::optional<DateTime> ParseDateTime(const std::string& text) const override;

private:
    std::string m_decimalSeparator;
    DateOrder m_order;
};
