#pragma once

#include "base/View.h"

#include <QWidget>

#include <memory>

namespace Ui {
class frmSplash;
}

/// The start-up and information window: product, program name and version, the maker's address
/// from the settings file, and the device version once the application object exists. A click
/// on its background or any key closes it.
class frmSplash : public QWidget, public View {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

    /// Fills the fields; a step that fails leaves its field as it was.
    void Fill();
    /// The window shows no model values.
    void Update() override {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::frmSplash> m_ui;
};
