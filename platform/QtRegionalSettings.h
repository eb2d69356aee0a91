#pragma once

#include "base/RegionalSettings.h"

#include <QLocale>

/// The system's regional settings as Qt reads them (LANG, LC_ALL, LC_NUMERIC …).
class QtRegionalSettings : public RegionalSettings {
public:
    explicit QtRegionalSettings(QLocale locale = QLocale::system());

    std::string DecimalSeparator() const override;
    std::string FormatDateTime(const DateTime& value) const override;
    std::optional<DateTime> ParseDateTime(const std::string& text) const override;

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
};
