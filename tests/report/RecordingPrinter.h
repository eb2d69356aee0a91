#pragma once

#include "base/Printer.h"

#include <string>
#include <utility>
#include <vector>

/// A printer that logs what it is asked to do — "text @points" for a line ("@points" alone for
/// an empty one), "box x1 y1 x2 y2", "x=…", "y=…", "begin", "end" — and in `at` the position
/// each entry met. A line is 20 twips per point high and starts at x = 360, so that a frame
/// placed relative to the origin instead of the remembered position would show.
class RecordingPrinter : public Printer {
public:
    void BeginDoc() override { Log("begin"); }
    void setFontSize(int points) override { m_points = points; }
    void PrintLine(const std::string& text) override {
        Log(text + " @" + std::to_string(m_points));
        m_x = 360;
        m_y += 20 * m_points;
    }
    void PrintEmptyLine() override { PrintLine(""); }
    int CurrentX() const override { return m_x; }
    void setCurrentX(int twips) override { Log("x=" + std::to_string(m_x = twips)); }
    int CurrentY() const override { return m_y; }
    void setCurrentY(int twips) override { Log("y=" + std::to_string(m_y = twips)); }
    void DrawBox(int x1, int y1, int x2, int y2) override {
        Log(Box(x1, y1, x2, y2));
        m_x = x2;
        m_y = y2;
    }
    void EndDoc() override { Log("end"); }

    static std::string Box(int x1, int y1, int x2, int y2) {
        return "box " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
               " " + std::to_string(y2);
    }

    std::vector<std::string> log;
    std::vector<std::pair<int, int>> at;

private:
    void Log(const std::string& entry) {
        log.push_back(entry);
        at.emplace_back(m_x, m_y);
    }

    int m_points = 10, m_x = 360, m_y = 0;
};
