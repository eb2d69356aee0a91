#include "platform/QtRegionalSettings.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

/// The short date with a four-digit year, as the general date form shows it.
QString FullYearDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy"))
        format.replace("yy", "yyyy");
    return format;
}

DateTime FromQt(const QDateTime& value) {
    const QDate d = value.date();
    const QTime t = value.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

} // namespace

QString QtRegionalSettings::TimeFormatWithSeconds(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression("\\s*t+\\s*"));
    return format.trimmed();
}

QtRegionalSettings::QtRegionalSettings(QLocale locale)
    : m_locale(std::move(locale)), m_dateFormat(FullYearDateFormat(m_locale)),
      m_timeFormat(TimeFormatWithSeconds(m_locale)) {}

std::string QtRegionalSettings::DecimalSeparator() const {
    return m_locale.decimalPoint().toStdString();
}

std::string QtRegionalSettings::FormatDateTime(const DateTime& v) const {
    const QDateTime value(QDate(v.year, v.month, v.day), QTime(v.hour, v.minute, v.second));
    return m_locale.toString(value, m_dateFormat + " " + m_timeFormat).toStdString();
}

std::optional<DateTime> QtRegionalSettings::ParseDateTime(const std::string& text) const {
    const QString input = QString::fromStdString(text).simplified();
    const QString shortTime = m_locale.timeFormat(QLocale::ShortFormat);
    for (const QString& format :
         {m_dateFormat + " " + m_timeFormat, m_dateFormat + " " + shortTime}) {
        const QDateTime value = m_locale.toDateTime(input, format);
        if (value.isValid())
            return FromQt(value);
    }
    const QDate date = m_locale.toDate(input, m_dateFormat);
    if (date.isValid())
        return DateTime{date.year(), date.month(), date.day(), 0, 0, 0};
    return std::nullopt;
}
