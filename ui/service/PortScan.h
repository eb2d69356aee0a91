#pragma once

class QTableWidget;
class ServiceWindow;
class cNivolantis;

/// The frame "Schnittstellen" of page 7: "Abtasten" lists COM1 to COM16 with the state each
/// port shows to a serial channel of its own, so the port the application holds shows as in use.
/// A scan the user cancels leaves the list as it was.
class PortScan {
public:
    PortScan(ServiceWindow& window, cNivolantis& app);

private:
    void Scan();

    ServiceWindow& m_window;
    cNivolantis& m_app;
    QTableWidget* m_grid;
};
