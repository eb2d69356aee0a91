#pragma once

#include "firmware/cFirmwareRW.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <memory>

class QListWidget;
class ServiceWindow;
class cNivolantis;

/// The frame "Firmware-Update" of page 8: writes a HEX file's firmware into the device through
/// its bootloader, offering first to save the device's EEPROM, or saves the device's firmware
/// into a HEX file. Every step shows as a line of the list, the progress in the window's bar.
class FirmwareUpdate {
public:
    FirmwareUpdate(ServiceWindow& window, cNivolantis& app);
    ~FirmwareUpdate();

    /// The transfer running now; nullptr between transfers.
    cFirmwareRW* MyFirmware() const { return m_firmware.get(); }
    /// True, after saying why, while a firmware update runs: it must not be interrupted.
    bool RefusesClose();

private:
    void WriteToDevice();
    void ReadFromDevice();
    /// A fresh transfer whose lines go to the list, the list emptied.
    void StartTransfer();
    /// Offers to save the EEPROM beside the firmware file; false when the update must not go on.
    bool BackUpEeprom(const QString& firmwareFile);
    void AddLine(const std::string& line);

    ServiceWindow& m_window;
    cNivolantis& m_app;
    QListWidget* m_list;
    std::unique_ptr<cFirmwareRW> m_firmware;
    bool m_updating = false;         ///< from the chosen file to the end of the bootloader transfer
    QPointer<QMessageBox> m_refusal; ///< why the window stays open, while it is shown
};
