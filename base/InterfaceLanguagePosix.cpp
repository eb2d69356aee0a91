#include "base/InterfaceLanguage.h"

#include <algorithm>
#include <cstdlib>

Language InterfaceLanguage() {
    // A list of preferences ("fr:de"): the first language the program speaks decides.
    if (const char* list = std::getenv("LANGUAGE"); list && *list) {
        for (std::string_view rest = list; !rest.empty();) {
            const std::string_view entry = rest.substr(0, rest.find(':'));
            if (LanguageOfName(entry) == Language::German)
                return Language::German;
            if (entry.substr(0, 2) == "en")
                return Language::English;
            rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
        }
        return Language::English;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return LanguageOfName(value);
    return Language::English;
}
