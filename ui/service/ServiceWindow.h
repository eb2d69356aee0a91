#pragma once

#include "base/ProgressView.h"

#include <QString>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTableWidget;

/// The widgets the service parts work on, from the window's pages.
struct ServiceWidgets {
    QSlider* contrast;                     ///< scrollKontrast
    QPushButton* storeContrast;            ///< cmdKontrastSpeichern
    std::array<QLabel*, 3> measuredValues; ///< lblMesswert_0 … _2
    QPushButton* readMeasuredValues;       ///< Command6
    QTableWidget* eeprom;                  ///< grdEEPROM
    QLineEdit* eepromCell;                 ///< txtEEPROM
    QLabel* eepromAdress;                  ///< lblEEPROM
    QPushButton* readEeprom;               ///< Command3
    QPushButton* writeEeprom;              ///< Command4
    QPushButton* saveEepromFile;           ///< Command7
    QTableWidget* ports;                   ///< grdPorts
    QPushButton* scanPorts;                ///< Command5
    QListWidget* firmwareLines;            ///< lstFirmwareActions
    QPushButton* writeFirmware;            ///< Command8
    QPushButton* saveFirmware;             ///< cmdFirmware1
};

/// How the service parts run a device command: under the window's rule for every command.
class ServiceCommands {
public:
    /// Runs a device command: the application is busy and the window's commands are disabled
    /// meanwhile; a failure ends it and the views refresh afterwards.
    virtual void RunServiceCommand(const char* name, const std::function<void()>& command) = 0;
    /// Runs an operation that can stop safely between two exchanges, offering "Abbrechen"
    /// meanwhile.
    virtual void OfferCancel(const std::function<void()>& operation) = 0;

protected:
    ~ServiceCommands() = default;
};

/// What the service parts need from the window they sit in.
class ServiceWindow : public ProgressView {
public:
    /// The window's commands.
    virtual ServiceCommands& Commands() = 0;
    /// The percent rounded half to even and written back; shown above 0, hidden at 0 or below.
    virtual void UpdateProgress(double& NewPercent) = 0;
    using ProgressView::UpdateProgress;
    /// A note in the status bar for `shownMs` milliseconds; the panels return afterwards.
    virtual void ShowStatusText(const QString& text, int shownMs) = 0;
    virtual void ClearStatusText() = 0;
    virtual const ServiceWidgets& Widgets() const = 0;
};
