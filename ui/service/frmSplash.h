#pragma once

#include "app/SettingsFiles.h"
#include "base/View.h"

#include <QWidget>

#include <memory>

namespace Ui {
class frmSplash;
}

/// The start-up and information window: product, program name and version, the maker's address
/// from the settings file, and the device version once the application object exists. It takes
/// the focus when shown; any click on it or any key closes it.
class frmSplash : public QWidget, public View {
    Q_OBJECT
public:
    /// Without an owner the frameless start-up window; with one the information window, framed
    /// and kept above its owner.
    explicit frmSplash(QWidget* owner = nullptr);
    ~frmSplash() override;

    /// Fills the fields, the maker's address from these settings; a step that fails leaves its
    /// field as it was.
    void Fill(const SettingsFiles& settings);
    /// The status line names the device's firmware, once the application object knows it.
    void ShowDeviceVersion(const std::string& firmwareID);
    /// Replaces the status line (the device version) with what start-up is doing.
    void ShowStatus(const QString& text);
    /// The window shows no model values.
    void Update() override {}

protected:
    void showEvent(QShowEvent* event) override;
    /// Every key closes it, Tab included, which would otherwise only move the focus.
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<Ui::frmSplash> m_ui;
};
