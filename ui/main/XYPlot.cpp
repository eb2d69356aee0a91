#include "ui/main/XYPlot.h"

#include "base/NumberText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

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

constexpr int kMostTicks = 5; ///< labels per axis, so that they never crowd

/// Round values within the span: multiples of 1, 2 or 5 times a power of ten.
QVector<double> RoundSteps(const Span& span) {
    const double rough = (span.high - span.low) / kMostTicks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    const double step = (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
    QVector<double> ticks;
    for (double k = std::ceil(span.low / step - 1e-9); k * step <= span.high + step * 1e-9; ++k)
        ticks.append(std::abs(k) < 0.5 ? 0.0 : k * step); // never "-0"
    return ticks;
}

} // namespace

QVector<double> XYPlot::Ticks(Qt::Orientation axis) const {
    if (m_points.isEmpty())
        return {};
    return RoundSteps(axis == Qt::Horizontal
                          ? SpanOf(m_points, [](const QPointF& p) { return p.x(); })
                          : SpanOf(m_points, [](const QPointF& p) { return p.y(); }));
}

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
    for (double value : Ticks(Qt::Horizontal)) {
        const QString text = Axis(value);
        const double left = at({value, y.low}).x() - metrics.horizontalAdvance(text) / 2.0;
        painter.drawText(
            QPointF(std::clamp(left, 0.0, width() - 1.0 * metrics.horizontalAdvance(text)), below),
            text);
        painter.drawLine(at({value, y.low}), at({value, y.low}) + QPointF(0, 4));
    }
    for (double value : Ticks(Qt::Vertical)) {
        const QString text = Axis(value);
        const double middle = at({x.low, value}).y() + metrics.ascent() / 2.0;
        painter.drawText(QPointF(area.left() - 6 - metrics.horizontalAdvance(text), middle), text);
        painter.drawLine(at({x.low, value}), at({x.low, value}) - QPointF(4, 0));
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
