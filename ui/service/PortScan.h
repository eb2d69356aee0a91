#pragma once

class QTableWidget;
class frmMain;

/// The frame "Schnittstellen" of page 7: "Abtasten" lists COM1 to COM16 with the state each
/// port shows to a serial channel of its own, so the port the application holds shows as in use.
/// A scan the user cancels leaves the list as it was.
class PortScan {
public:
    explicit PortScan(frmMain& window);

private:
    void Scan();

    frmMain& m_window;
    QTableWidget* m_grid;
};
