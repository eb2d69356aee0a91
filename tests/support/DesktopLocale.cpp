#include "support/DesktopLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

void AssertDesktopLocale() {
    const char* wanted = std::getenv("LC_ALL");
    ASSERT_NE(nullptr, wanted) << "the test sets LC_ALL";
#ifdef _WIN32
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    ASSERT_GT(GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH), 0);
    const std::string language(wanted, 2);
    ASSERT_EQ(language, std::string(name, name + 2)) << "the user's locale is not " << wanted;
    if (language == "de") {
        ASSERT_NE(nullptr, std::setlocale(LC_ALL, "German_Germany.1252"));
    }
#else
    ASSERT_STREQ(wanted, std::setlocale(LC_NUMERIC, nullptr))
        << wanted << " is not generated on this machine";
#endif
}
