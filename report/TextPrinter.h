#pragma once

#include "base/Printer.h"

#include <iosfwd>

/// A printer that writes every printed line as a line of text to a stream (for the command
/// line and for tests). It keeps the position in twips as a printer would, with a line height
/// of 1.15 × the font size; the frame is not drawn, but moves the position like a printed one.
class TextPrinter : public Printer {
public:
    explicit TextPrinter(std::ostream& out) : m_out(out) {}

    void BeginDoc() override;
    void setFontSize(int points) override { m_fontSize = points; }
    void PrintLine(const std::string& text) override;
    void PrintEmptyLine() override;

    int CurrentX() const override { return m_x; }
    void setCurrentX(int twips) override { m_x = twips; }
    int CurrentY() const override { return m_y; }
    void setCurrentY(int twips) override { m_y = twips; }

    void DrawBox(int x1, int y1, int x2, int y2) override;
    void EndDoc() override;

    int FontSize() const { return m_fontSize; }
    /// Height of one line at the current font size, in twips.
    int LineHeight() const;

private:
    static constexpr int kDefaultFontSize = 10; ///< points, before the report sets one

    std::ostream& m_out;
    int m_fontSize = kDefaultFontSize;
    int m_x = 0;
    int m_y = 0;
};
