#include "base/InterfaceLanguage.h"

Language LanguageOfName(std::string_view name) {
    const bool german = name.substr(0, 2) == "de" &&
                        (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
    return german ? Language::German : Language::English;
}
