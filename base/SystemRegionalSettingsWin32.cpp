#include "base/SystemRegionalSettings.h"

#include "base/PatternRegionalSettings.h"
#include "base/WideText.h"

#include <windows.h>

namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
    wchar_t text[LOCALE_NAME_MAX_LENGTH * 2];
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, std::size(text));
    return length > 1 ? WideToUtf8(std::wstring(text, length - 1)) : fallback;
}

} // namespace

std::unique_ptr<RegionalSettings> MakeSystemRegionalSettings() {
    return std::make_unique<PatternRegionalSettings>(LocaleText(LOCALE_SDECIMAL, "."),
                                                     LocaleText(LOCALE_SSHORTDATE, "dd.MM.yyyy"),
                                                     LocaleText(LOCALE_STIMEFORMAT, "HH:mm:ss"));
}
