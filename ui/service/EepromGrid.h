#pragma once

#include "app/ViewRegistration.h"
#include "base/View.h"
#include "device/EepromTransfer.h"

#include <QObject>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QTableWidget;
class ServiceWindow;
class cNivolantis;

/// The frame "Internes EEPROM" of page 6: the device's 512 EEPROM bytes as a hex grid of 32
/// rows by 16 columns, read from the device, edited cell by cell, written back, copied and
/// saved as an Intel HEX file. A view of the application object while it lives: each refresh
/// shows the current cell again.
class EepromGrid : public QObject, public View {
public:
    EepromGrid(ServiceWindow& window, cNivolantis& app);

    void Update() override { ShowCurrentCell(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpGrid();
    /// Shows the current cell's text and address in `txtEEPROM` and `lblEEPROM`.
    void ShowCurrentCell();
    void ReadDevice();
    void WriteDevice();
    void SaveHexFile();
    void TakeEntry();
    void CopySelection();

    /// The cell's text; empty for a cell never filled.
    QString CellText(int adress) const;
    void SetCellText(int adress, const QString& text);
    /// Every cell as a byte; empty after a message naming the first cell that holds none and
    /// then `outcome`, what did not happen therefore.
    std::optional<EepromTransfer::Image> Bytes(const std::string& outcome) const;

    ServiceWindow& m_window;
    cNivolantis& m_app;
    QTableWidget* m_grid;
    QLineEdit* m_value;
    QLabel* m_adress;
    ViewRegistration m_registration;
};
