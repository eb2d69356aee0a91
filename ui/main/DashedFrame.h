#pragma once

#include <QPointer>
#include <QWidget>

/// A thick dashed frame drawn around a field, beside it rather than inside it: the field keeps
/// its own look (no style sheet, arrows and digits untouched). It follows the field's place and
/// visibility and lets every mouse event through to what lies below.
class DashedFrame : public QWidget {
public:
    explicit DashedFrame(QWidget& field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Follow();

    QPointer<QWidget> m_field;
};
