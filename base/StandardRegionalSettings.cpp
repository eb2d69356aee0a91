#include "base/StandardRegionalSettings.h"

#include <cstdio>

StandardRegionalSettings::StandardRegionalSettings(std::string decimalSeparator, DateOrder order)
    : m_decimalSeparator(std::move(decimalSeparator)), m_order(order) {}

std::string StandardRegionalSettings::FormatDateTime(const DateTime& v) const {
    char text[40];
    if (m_order == DateOrder::Iso)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", v.year, v.month, v.day,
                      v.hour, v.minute, v.second);
    else
        std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", v.day, v.month, v.year,
                      v.hour, v.minute, v.second);
    return text;
}

std::optional<DateTime> StandardRegionalSettings::ParseDateTime(const std::string& text) const {
    DateTime v;
    v.hour = v.minute = v.second = 0;
    int consumed = 0;
    const char* format = m_order == DateOrder::Iso ? " %4d-%2d-%2d%n" : " %2d.%2d.%4d%n";
    int fields = m_order == DateOrder::Iso
                     ? std::sscanf(text.c_str(), format, &v.year, &v.month, &v.day, &consumed)
                     : std::sscanf(text.c_str(), format, &v.day, &v.month, &v.year, &consumed);
    if (fields != 3)
        return std::nullopt;
    std::string rest = text.substr(consumed);
    int timeConsumed = 0;
    if (rest.find_first_not_of(' ') != std::string::npos) {
        v.second = 0;
        int timeFields = std::sscanf(rest.c_str(), " %2d:%2d%n:%2d%n", &v.hour, &v.minute,
                                     &timeConsumed, &v.second, &timeConsumed);
        if (timeFields < 2 || rest.find_first_not_of(' ', timeConsumed) != std::string::npos)
            return std::nullopt;
    }
    if (!v.IsValid())
        return std::nullopt;
    return v;
}
