#pragma once

#include <QString>

#include <string>

/// A text of the core (UTF-8) as the windows show it.
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
