#pragma once

#include "base/Printer.h"
#include "report/PageLayout.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>
#include <variant>
#include <vector>

/// Thrown by QtReportPrinter::BeginDoc when no device was opened because the user declined.
class PrintCancelled : public std::runtime_error {
public:
    PrintCancelled() : std::runtime_error("Drucken abgebrochen.") {}
};

/// Prints the report on a Qt paint device — a printer or a PDF file — with the device's font
/// metrics and 2 cm / 1.5 cm page margins. Lines are collected in one long column and cut into
/// pages when the document ends (PageLayout), so that a frame never breaks across two pages.
class QtReportPrinter : public Printer {
public:
    /// Opens the device for one document; may return nullptr when the user declines.
    using DeviceOpener = std::function<std::unique_ptr<QPagedPaintDevice>()>;

    explicit QtReportPrinter(DeviceOpener open) : m_open(std::move(open)) {}
    ~QtReportPrinter() override;

    /// A printer for an A4 PDF file, created when a document begins and filled when it ends.
    static std::unique_ptr<QtReportPrinter> ForPdfFile(const QString& path);

    /// The system's default printer with its own paper size; throws std::runtime_error
    /// "Kein Drucker eingerichtet." when the system has none.
    static std::unique_ptr<QPagedPaintDevice> OpenDefaultPrinter();
    /// An A4 PDF writer for the file (not opened yet).
    static std::unique_ptr<QPagedPaintDevice> OpenPdf(const QString& path);

    /// Opens the device; throws PrintCancelled when the opener gave none, and
    /// std::runtime_error when the printer or file cannot be opened.
    void BeginDoc() override;
    void setFontSize(int points) override;
    void PrintLine(const std::string& text) override;
    void PrintEmptyLine() override;

    int CurrentX() const override { return m_x; }
    void setCurrentX(int twips) override { m_x = twips; }
    int CurrentY() const override { return m_y; }
    void setCurrentY(int twips) override { m_y = twips; }

    void DrawBox(int x1, int y1, int x2, int y2) override;
    /// Cuts the column into pages and paints them; throws std::runtime_error when the device
    /// fails (a PDF file that cannot be written).
    void EndDoc() override;

private:
    struct Text {
        int x;
        int points;
        QString text;
    };
    struct Box {
        int left, right;
    };
    struct Item {
        int top, bottom; ///< position in the column, twips
        std::variant<Text, Box> shape;
    };

    void RequireDocument() const;
    int LineHeight() const;
    double ToPixelsX(int twips) const;
    double ToPixelsY(int twips) const;
    void PaintPages();
    void Paint(const Item& item, int top);

    DeviceOpener m_open;
    std::unique_ptr<QPagedPaintDevice> m_device;
    QPainter m_painter;
    QFont m_font;
    std::vector<Item> m_items;
    int m_x = 0;
    int m_y = 0;
};
