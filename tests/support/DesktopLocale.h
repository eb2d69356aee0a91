#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

/// Fails unless the C library runs in the locale that LC_ALL names, as QApplication sets it on
/// a desktop: under "C" no decimal comma reaches it, and text that depends on it passes unseen.
inline void AssertDesktopLocale() {
    const char* wanted = std::getenv("LC_ALL");
    ASSERT_NE(nullptr, wanted) << "the test sets LC_ALL";
    ASSERT_STREQ(wanted, std::setlocale(LC_NUMERIC, nullptr))
        << wanted << " is not generated on this machine";
}
