#pragma once

#include <string_view>

/// The languages the program speaks; German is the one its texts are written in.
enum class Language { German, English };

/// The language a locale or language name asks for: German for "de" and "de_…", English for
/// anything else ("C", "fr_FR.UTF-8", "").
Language LanguageOfName(std::string_view name);

/// The user's interface language as the system tells it: on Windows the user's UI language;
/// elsewhere the first German or English entry of LANGUAGE, else the first of LC_ALL,
/// LC_MESSAGES and LANG that is set.
Language InterfaceLanguage();
