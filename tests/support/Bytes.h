#pragma once

#include <initializer_list>
#include <string>

/// The bytes written out as numbers, for frames and answers written by hand.
inline std::string Bytes(std::initializer_list<int> values) {
    return std::string(values.begin(), values.end());
}
