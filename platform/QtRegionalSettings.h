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

    /// The locale's long time form without its time-zone part: "HH:mm:ss", "h:mm:ss AP".
    static QString TimeFormatWithSeconds(const QLocale& locale);

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
};
