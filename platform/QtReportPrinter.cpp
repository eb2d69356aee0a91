#include "platform/QtReportPrinter.h"

#include "base/FileContent.h"
#include "base/Translation.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr int kDefaultPoints = 10;        ///< until the report sets a size
constexpr int kFramePenTwips = 15;        ///< frame lines of 0.75 pt
const QMarginsF kMargins(20, 15, 15, 15); ///< millimetres: left, top, right, bottom

/// Comes first among the bases of BufferedPdfWriter, so the buffer exists before the writer.
struct PdfBuffer {
    QBuffer buffer;
};

/// Renders the PDF into memory; the file is written as a whole when the document is complete,
/// so that a file that cannot take it (a full disk, a device) is reported, not left empty.
class BufferedPdfWriter : private PdfBuffer, public QPdfWriter {
public:
    explicit BufferedPdfWriter(const QString& path)
        : QPdfWriter(&buffer), m_path(path.toStdString()) { // file names are UTF-8 in the core
        buffer.open(QIODevice::WriteOnly);
    }
    /// Empty text on success, else why the file was not written.
    std::string Save() const {
        return ReplaceFileContent(m_path, buffer.data().toStdString()).Failure();
    }

private:
    std::string m_path;
};
} // namespace

QtReportPrinter::~QtReportPrinter() {
    if (m_painter.isActive())
        m_painter.end();
}

std::unique_ptr<QtReportPrinter> QtReportPrinter::ForPdfFile(const QString& path) {
    return std::make_unique<QtReportPrinter>([path] { return OpenPdf(path); });
}

std::unique_ptr<QPagedPaintDevice> QtReportPrinter::OpenDefaultPrinter() {
    if (QPrinterInfo::availablePrinters().isEmpty())
        throw std::runtime_error(Tr("QtReportPrinter", "Kein Drucker eingerichtet."));
    return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

std::unique_ptr<QPagedPaintDevice> QtReportPrinter::OpenPdf(const QString& path) {
    auto pdf = std::make_unique<BufferedPdfWriter>(path);
    pdf->setPageSize(QPageSize(QPageSize::A4));
    pdf->setTitle(
        QString::fromStdString(Tr("QtReportPrinter", "Konfigurationsdaten Nivolantis K417")));
    pdf->setCreator(QStringLiteral("NivoConfig"));
    return pdf;
}

void QtReportPrinter::BeginDoc() {
    if (m_painter.isActive())
        m_painter.end(); // a document abandoned after an error
    m_items.clear();
    m_x = 0;
    m_y = 0;
    m_font = QFont();
    m_font.setPointSize(kDefaultPoints);
    // No ligatures: text copied from or searched in a PDF must read as printed ("fi", not "ﬁ").
    m_font.setStyleStrategy(QFont::PreferNoShaping);
    m_device = m_open();
    if (!m_device)
        throw PrintCancelled();
    m_device->setPageMargins(kMargins, QPageLayout::Millimeter);
    if (!m_painter.begin(m_device.get()))
        throw std::runtime_error(
            dynamic_cast<QPdfWriter*>(m_device.get())
                ? Tr("QtReportPrinter", "Die PDF-Datei kann nicht geschrieben werden.")
                : Tr("QtReportPrinter", "Der Drucker ist nicht bereit."));
}

void QtReportPrinter::setFontSize(int points) {
    m_font.setPointSize(points);
}

void QtReportPrinter::PrintLine(const std::string& text) {
    const int height = LineHeight();
    m_items.push_back(
        {m_y, m_y + height, Text{m_x, m_font.pointSize(), QString::fromStdString(text)}});
    m_x = 0;
    m_y += height;
}

void QtReportPrinter::PrintEmptyLine() {
    m_x = 0;
    m_y += LineHeight();
}

void QtReportPrinter::DrawBox(int x1, int y1, int x2, int y2) {
    RequireDocument();
    m_items.push_back(
        {std::min(y1, y2), std::max(y1, y2), Box{std::min(x1, x2), std::max(x1, x2)}});
    m_x = x2;
    m_y = y2;
}

void QtReportPrinter::EndDoc() {
    RequireDocument();
    PaintPages();
    m_items.clear();
    if (!m_painter.end())
        throw std::runtime_error(
            Tr("QtReportPrinter", "Der Bericht konnte nicht ausgegeben werden."));
    if (const auto* pdf = dynamic_cast<const BufferedPdfWriter*>(m_device.get()))
        if (std::string failure = pdf->Save(); !failure.empty())
            throw std::runtime_error(
                TrArgs(Tr("QtReportPrinter", "Die PDF-Datei kann nicht geschrieben werden. %1"),
                       {failure}));
}

void QtReportPrinter::RequireDocument() const {
    if (!m_painter.isActive())
        throw std::logic_error("printing outside a document");
}

int QtReportPrinter::LineHeight() const {
    RequireDocument();
    const QFontMetricsF metrics(m_font, m_device.get());
    return static_cast<int>(
        std::lround(metrics.lineSpacing() * kTwipsPerInch / m_device->logicalDpiY()));
}

double QtReportPrinter::ToPixelsX(int twips) const {
    return twips * m_device->logicalDpiX() / kTwipsPerInch;
}
double QtReportPrinter::ToPixelsY(int twips) const {
    return twips * m_device->logicalDpiY() / kTwipsPerInch;
}

void QtReportPrinter::PaintPages() {
    PageLayout layout(
        static_cast<int>(m_device->height() * kTwipsPerInch / m_device->logicalDpiY()));
    for (const Item& item : m_items) {
        if (std::holds_alternative<Box>(item.shape))
            layout.AddFrame(item.top, item.bottom);
        else
            layout.AddLine(item.top, item.bottom);
    }
    const std::vector<PageLayout::Place> places = layout.Paginate();
    std::vector<std::size_t> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return places[a].page < places[b].page; });
    int page = 0;
    for (std::size_t i : order) {
        for (; page < places[i].page; ++page)
            m_device->newPage();
        Paint(m_items[i], places[i].top);
    }
}

void QtReportPrinter::Paint(const Item& item, int top) {
    if (const Box* box = std::get_if<Box>(&item.shape)) {
        m_painter.setPen(QPen(Qt::black, ToPixelsX(kFramePenTwips)));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(
            QRectF(QPointF(ToPixelsX(box->left), ToPixelsY(top)),
                   QPointF(ToPixelsX(box->right), ToPixelsY(top + item.bottom - item.top))));
        return;
    }
    const Text& text = std::get<Text>(item.shape);
    QFont font = m_font;
    font.setPointSize(text.points);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, m_device.get());
    m_painter.drawText(QPointF(ToPixelsX(text.x), ToPixelsY(top) + metrics.ascent()), text.text);
}
