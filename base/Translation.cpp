#include "base/Translation.h"

#include "base/Platform.h"

#include <vector>

std::string Tr(const char* context, const char* source) {
    return Platform::Texts().Translate(context, source).value_or(source);
}

std::string TrArgs(const std::string& text, std::initializer_list<std::string> args) {
    const std::vector<std::string> values(args);
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            result += values[n];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
