#include "ui/main/DashedFrame.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr int kWidth = 3; ///< the line, drawn just outside the field
constexpr int kGap = 1;   ///< between the line and the field

} // namespace

DashedFrame::DashedFrame(QWidget& field) : QWidget(field.parentWidget()), m_field(&field) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    field.installEventFilter(this);
    Follow();
}

bool DashedFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            Follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DashedFrame::Follow() {
    const int margin = kWidth + kGap;
    setGeometry(m_field->geometry().adjusted(-margin, -margin, margin, margin));
    setVisible(m_field->isVisibleTo(parentWidget()));
    raise();
}

void DashedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(QColor(200, 0, 0), kWidth, Qt::DashLine);
    painter.setPen(pen);
    const qreal half = kWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
