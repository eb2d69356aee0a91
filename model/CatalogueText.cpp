#include "model/CatalogueText.h"

#include "base/Platform.h"

namespace {

constexpr const char* kNames = "Catalogue";
constexpr const char* kChoices = "Choice";

/// "Relaisfunktion A" → {"Relaisfunktion %1", "A"}, "Grenzwert1" → {"Grenzwert%1", "1"}: the
/// channel letter or the number at the end of a name is the pattern's argument; a range's end
/// "Messbereich.Anfang" → {"%1.Anfang", caption of "Messbereich"}.
std::pair<std::string, std::string> Pattern(const std::string& name) {
    if (const std::size_t dot = name.find('.'); dot != std::string::npos && dot > 0)
        return {"%1" + name.substr(dot), CatalogueText::Caption(name.substr(0, dot))};
    const std::size_t size = name.size();
    if (size > 2 && name[size - 2] == ' ' && name[size - 1] >= 'A' && name[size - 1] <= 'D')
        return {name.substr(0, size - 1) + "%1", name.substr(size - 1)};
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    if (digits > 0 && digits < size)
        return {name.substr(0, digits) + "%1", name.substr(digits)};
    return {};
}

} // namespace

std::string CatalogueText::Caption(const std::string& name) {
    if (auto whole = Platform::Texts().Translate(kNames, name.c_str()))
        return *whole;
    const auto [pattern, argument] = Pattern(name);
    if (pattern.empty())
        return name;
    const auto translated = Platform::Texts().Translate(kNames, pattern.c_str());
    return translated ? TrArgs(*translated, {argument}) : name;
}

std::string CatalogueText::Choice(const std::string& text) {
    return Tr(kChoices, text.c_str());
}
