#pragma once

#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>

/// The support points drawn as a line through their markers: X (mA) to the right, Y (in the
/// scale unit) upwards, each axis labelled at round values and with its unit.
class XYPlot : public QWidget {
    Q_OBJECT
public:
    explicit XYPlot(QWidget* parent = nullptr);

    /// Replaces the points and the unit of Y; repaints only when something changed.
    void setPoints(const QVector<QPointF>& points, const QString& unitY);
    const QVector<QPointF>& Points() const { return m_points; }
    /// The values that carry a label on the axis: round steps of 1, 2 or 5 times a power of ten
    /// within the points' span, at most a handful.
    QVector<double> Ticks(Qt::Orientation axis) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<QPointF> m_points;
    QString m_unitY;
};
