#include "report/TextPrinter.h"

#include <cmath>
#include <ostream>

namespace {
constexpr int kTwipsPerPoint = 20;
constexpr double kLineSpacing = 1.15; ///< line height over font size, as common sans fonts have
} // namespace

void TextPrinter::BeginDoc() {
    m_fontSize = kDefaultFontSize;
    m_x = 0;
    m_y = 0;
}

void TextPrinter::PrintLine(const std::string& text) {
    m_out << text << '\n';
    m_x = 0;
    m_y += LineHeight();
}

void TextPrinter::PrintEmptyLine() {
    PrintLine("");
}

void TextPrinter::DrawBox(int, int, int x2, int y2) {
    m_x = x2;
    m_y = y2;
}

void TextPrinter::EndDoc() {
    m_out.flush();
}

int TextPrinter::LineHeight() const {
    return static_cast<int>(std::lround(m_fontSize * kTwipsPerPoint * kLineSpacing));
}
