#include "ui/main/XYPlot.h"

#include "base/NumberText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

QString Axis(double value) {
    return QString::fromStdString(NumberToText(value));
}

struct Span {
    double low, high;
    double Fraction(double v) const { return (v - low) / (high - low); }
};

/// Lower and upper end of the values, widened when all are equal so the scale is never empty.
template <typename F> Span SpanOf(const QVector<QPointF>& points, F coordinate) {
    Span span{coordinate(points.front()), coordinate(points.front())};
    for (const QPointF& p : points) {
        span.low = std::min(span.low, coordinate(p));
        span.high = std::max(span.high, coordinate(p));
    }
    if (span.high - span.low < 1e-9) {
        span.low -= 1;
        span.high += 1;
    }
    return span;
}

} // namespace

XYPlot::XYPlot(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void XYPlot::setPoints(const QVector<QPointF>& points, const QString& unitY) {
    if (points == m_points && unitY == m_unitY)
        return;
    m_points = points;
    m_unitY = unitY;
    update();
}

void XYPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height();
    const QRectF area = QRectF(rect()).adjusted(metrics.horizontalAdvance("-00000,0") + 8,
                                                lineHeight + 6, -12, -2 * lineHeight - 6);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(area.bottomLeft(), area.topLeft());
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawText(
        QPointF(area.right() - metrics.horizontalAdvance("X [mA]"), rect().bottom() - 4), "X [mA]");
    painter.drawText(QPointF(4, lineHeight), "Y [" + m_unitY + "]");
    if (m_points.isEmpty())
        return;

    const Span x = SpanOf(m_points, [](const QPointF& p) { return p.x(); });
    const Span y = SpanOf(m_points, [](const QPointF& p) { return p.y(); });
    auto at = [&](const QPointF& p) {
        return QPointF(area.left() + x.Fraction(p.x()) * area.width(),
                       area.bottom() - y.Fraction(p.y()) * area.height());
    };
    const int below = static_cast<int>(area.bottom()) + lineHeight + 2;
    painter.drawText(QPointF(area.left() - 4, below), Axis(x.low));
    const QString xEnd = Axis(x.high);
    painter.drawText(QPointF(area.right() - metrics.horizontalAdvance(xEnd), below), xEnd);
    for (double value : {y.low, y.high}) {
        const QString text = Axis(value);
        const double top = value == y.low ? area.bottom() : area.top() + metrics.ascent();
        painter.drawText(QPointF(area.left() - 6 - metrics.horizontalAdvance(text), top), text);
    }

    QPainterPath line(at(m_points.front()));
    for (const QPointF& p : m_points)
        line.lineTo(at(p));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawPath(line);
    painter.setBrush(palette().color(QPalette::Highlight));
    for (const QPointF& p : m_points)
        painter.drawEllipse(at(p), 3, 3);
}
