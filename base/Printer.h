#pragma once

#include <string>

/// The printer the configuration report draws on. Positions are in twips (1/1440 inch) from
/// the top left corner of the printable area; x grows to the right, y downwards. Every
/// operation may throw std::runtime_error when the printer fails (none installed, not ready).
class Printer {
public:
    virtual ~Printer() = default;

    /// Starts a new document: page margins, default font, position at the top left.
    virtual void BeginDoc() = 0;
    /// Font size in points for the following lines; font name and style stay the printer's.
    virtual void setFontSize(int points) = 0;
    /// Prints the text at the current position and moves to the start of the next line.
    virtual void PrintLine(const std::string& text) = 0;
    /// Moves to the start of the next line, one line of the current font size further down.
    virtual void PrintEmptyLine() = 0;

    virtual int CurrentX() const = 0;
    virtual void setCurrentX(int twips) = 0;
    virtual int CurrentY() const = 0;
    virtual void setCurrentY(int twips) = 0;

    /// Draws the outline of the rectangle with the corners (x1, y1) and (x2, y2); afterwards
    /// the current position is (x2, y2).
    virtual void DrawBox(int x1, int y1, int x2, int y2) = 0;
    /// Ends the document and hands it on (to the spooler, a file or a stream).
    virtual void EndDoc() = 0;
};
