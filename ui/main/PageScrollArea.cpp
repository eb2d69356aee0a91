#include "ui/main/PageScrollArea.h"

PageScrollArea::PageScrollArea(QWidget* page, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(page);
}

QSize PageScrollArea::sizeHint() const {
    return widget()->sizeHint();
}
