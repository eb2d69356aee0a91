#pragma once

#include "app/ConfigurationDiff.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class frmCompare;
}

/// The result of a comparison: one line "GROUP/NAME: window → other" per differing value, as
/// "diff --device" prints them. It stays open beside the main window, whose marked fields it
/// explains.
class frmCompare : public QDialog {
    Q_OBJECT
public:
    explicit frmCompare(QWidget* owner);
    ~frmCompare() override;

    /// Shows the heading above the differences.
    void Fill(const QString& heading, const std::vector<ConfigurationDifference>& differences);

private:
    std::unique_ptr<Ui::frmCompare> m_ui;
};
