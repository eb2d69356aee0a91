#pragma once

#include <QScrollArea>

/// A tab page that scrolls when the window is smaller than the page's layout. It asks for the
/// page's whole size, so that a window with room shows every page without scroll bars, and it
/// takes no focus of its own: Tab goes from field to field.
class PageScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit PageScrollArea(QWidget* page, QWidget* parent = nullptr);

    QSize sizeHint() const override;
};
