#pragma once

#include "report/Printer.h"

#include <string>
#include <vector>

/// A printer that records every operation with the font size and position it met. A line is
/// 20 twips per point high and starts at x = 360, so positions are easy to follow in a test
/// and a frame placed relative to the origin instead of the line start shows.
class RecordingPrinter : public Printer {
public:
    enum class Kind { Begin, Font, Line, Empty, SetX, SetY, Box, End };
    struct Op {
        Kind kind;
        std::string text; ///< printed text
        int points;       ///< font size in effect (the new one for Font)
        int x, y;         ///< position before the operation (the new one for SetX/SetY)
        int x2 = 0, y2 = 0; ///< second corner of a box
    };

    void BeginDoc() override { Record(Kind::Begin); }
    void setFontSize(int points) override {
        m_points = points;
        Record(Kind::Font);
    }
    void PrintLine(const std::string& text) override { Advance(Kind::Line, text); }
    void PrintEmptyLine() override { Advance(Kind::Empty, ""); }
    int CurrentX() const override { return m_x; }
    void setCurrentX(int twips) override {
        m_x = twips;
        Record(Kind::SetX);
    }
    int CurrentY() const override { return m_y; }
    void setCurrentY(int twips) override {
        m_y = twips;
        Record(Kind::SetY);
    }
    void DrawBox(int x1, int y1, int x2, int y2) override {
        ops.push_back({Kind::Box, "", m_points, x1, y1, x2, y2});
        m_x = x2;
        m_y = y2;
    }
    void EndDoc() override { Record(Kind::End); }

    std::vector<Op> ops;

private:
    void Record(Kind kind, const std::string& text = "") {
        ops.push_back({kind, text, m_points, m_x, m_y});
    }
    void Advance(Kind kind, const std::string& text) {
        Record(kind, text);
        m_x = kLineStart;
        m_y += 20 * m_points;
    }

    static constexpr int kLineStart = 360;
    int m_points = 10;
    int m_x = kLineStart;
    int m_y = 0;
};
