#pragma once

#include <memory>

class ContrastFrame;
class EepromGrid;
class FirmwareUpdate;
class MeasuredValues;
class PortScan;
class ServiceWindow;
class cNivolantis;

/// The service side of the main window: the contrast frame of page 4, the measured values and
/// the EEPROM grid of page 6, the port list of page 7 and the firmware update of page 8. The
/// window creates it once its pages exist and forwards its opening and its close to it; the
/// parts reach the window only through `ServiceWindow`, and the EEPROM grid refreshes as a view
/// of the application object.
class ServicePages {
public:
    ServicePages(ServiceWindow& window, cNivolantis& app);
    ~ServicePages();

    /// Sets the contrast slider from the device when the window opens.
    void ReadContrast();
    /// True (after telling the user) while closing must wait: a firmware update is running.
    bool RefusesClose();

private:
    std::unique_ptr<ContrastFrame> m_contrast;
    std::unique_ptr<MeasuredValues> m_measured;
    std::unique_ptr<EepromGrid> m_eeprom;
    std::unique_ptr<PortScan> m_ports;
    std::unique_ptr<FirmwareUpdate> m_firmware;
};
