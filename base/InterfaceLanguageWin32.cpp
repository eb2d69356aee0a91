#include "base/InterfaceLanguage.h"

#include <windows.h>

Language InterfaceLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN ? Language::German
                                                                    : Language::English;
}
