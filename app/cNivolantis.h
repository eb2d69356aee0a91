#pragma once

#include "base/DateTime.h"
#include "base/ProgressView.h"
#include "base/View.h"
#include "device/cSerCom.h"
#include "files/cIniFile.h"
#include "model/KeyedCollection.h"
#include "model/Notifiable.h"
#include "model/cDataGroup.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// The application object: owns the model of the device's settings, the INI access, the
/// description lines and user data, and tells the registered views about every change.
class cNivolantis : public Notifiable {
public:
    static constexpr int kDescriptionCount = 5; ///< four description lines and the plant identifier

    /// Reads the settings file and builds the catalogue with its defaults. Throws
    /// std::runtime_error when the file is missing or its "Einheiten"/"Anzahl" is no number
    /// from 0 to 1000.
    explicit cNivolantis(const std::string& settingsFile = DefaultSettingsFile());
    ~cNivolantis() override;

    /// "NivoConfig.ini" in the program's folder.
    static std::string DefaultSettingsFile();

    const KeyedCollection<cDataGroup>& Data() const { return m_data; }
    cDataGroup& Data(const std::string& group) const { return m_data(group); }
    /// Adds a built group under its name; used once per group by the catalogue.
    void AddGroup(std::unique_ptr<cDataGroup> group);

    /// Calls f(group, parameter) for every parameter in walk order: groups in order, in each
    /// group its ranges (begin, then end parameter), then its parameters, each in creation order.
    template <typename F> void ForEachParameter(F&& f) const {
        for (cDataGroup& group : m_data) {
            for (cRange& range : group.Ranges()) {
                f(group, range.RangeBegin());
                f(group, range.RangeEnd());
            }
            for (cParameter& parameter : group.Parameters())
                f(group, parameter);
        }
    }

    const std::vector<View*>& Views() const { return m_views; }
    /// Registers a view; it must outlive the application object or never be notified after its end.
    void AddView(View& view) { m_views.push_back(&view); }

    cIniFile& IniFile() { return m_iniFile; }
    cSerCom& SerCom() { return m_serCom; }

    std::int16_t PortNr() const { return m_portNr; }
    void setPortNr(std::int16_t port) { m_portNr = port; }
    const std::string& FileName() const { return m_fileName; }
    void setFileName(const std::string& name) { m_fileName = name; }
    bool EnableNotify() const { return m_enableNotify; }
    void setEnableNotify(bool enable) { m_enableNotify = enable; }
    /// Passes the testing switch on to every group.
    void setEnableTestData(bool enable);

    /// Calls `Update` on every view in registration order while notification is on; a failing
    /// view is skipped.
    void Notify() override;
    /// Calls `UpdateProgress` on every view that offers it, whatever the notification switch.
    void NotifyProgress(int percent);

    /// The whole-model check: switches testing on everywhere and tests every range (each
    /// failing begin/end pair shows its own message). True when an error was found.
    bool TestData();

    /// Sets description line 0 to 4 (others are ignored); notifies in both cases.
    void SetDescription(int index, const std::string& text);
    /// Description line 0 to 4; "" for any other index.
    std::string GetDescription(int index) const;

    const std::string& Benutzername() const { return m_benutzername; }
    /// An empty name is ignored; notifies in both cases.
    void setBenutzername(const std::string& name);
    const DateTime& Parametrierdatum() const { return m_parametrierdatum; }
    void setParametrierdatum(const DateTime& date);
    /// A text that is no date under the regional settings is ignored; notifies in both cases.
    void setParametrierdatum(const std::string& text);
    /// The parametrisation date as the regional settings show it.
    std::string ParametrierdatumText() const;

    std::int16_t MaxUnits() const { return m_maxUnits; }
    const std::string& FirmwareID() const { return m_firmwareID; }
    /// Sum of the byte counts of all parameters: the basis of transfer progress.
    int TotalByteCount() const { return m_totalByteCount; }

    std::uint8_t HardwareVariante() const { return m_hardwareVariante; }
    /// Narrows (0, 1) or widens (7) the relay choices, stores the variant, and notifies.
    void setHardwareVariante(std::uint8_t variant);

    /// Every value back to its factory default, limits recomputed, description lines reset.
    void SetDefaults();
    /// Recomputes the factors and limits that follow the scaling; leaves notification on.
    void UpdateLimits();

    /// Searches COM1 to COM16 for the device; the port where it answered (left open), or 0.
    std::int16_t Connect();
    /// Writes the model into the device ("Gerät schreiben"); false after its failure message.
    bool Download();
    /// Reads the device into the model ("Gerät lesen"); false after its failure message.
    bool Upload();
    /// True while a device exchange or transfer runs; device commands are refused meanwhile.
    bool DeviceBusy() const { return m_transferRunning || m_serCom.Busy(); }
    void setTransferRunning(bool running) { m_transferRunning = running; }

    /// Saves the model as a parameter file; false (after a message) when nothing was saved.
    bool WriteIni(const std::string& NewFileName);
    /// Loads a parameter file into the model; false (after a message) when it could not be read.
    bool ReadIni(const std::string& NewFileName);

    /// Prints the configuration report on the platform printer; false (after a message) when the
    /// whole-model check refused it. Printer errors reach the caller.
    bool PrintAll();

private:
    friend class DeviceTransfer; // sets FirmwareID, which is read-only for everyone else

    void ReadSettings(const std::string& settingsFile);
    void CreateData();

    KeyedCollection<cDataGroup> m_data;
    std::vector<View*> m_views;
    cSerCom m_serCom;
    cIniFile m_iniFile;
    std::int16_t m_portNr = 0;
    std::string m_fileName;
    bool m_enableNotify = false;
    std::int16_t m_maxUnits = 0;
    std::string m_firmwareID;
    std::uint8_t m_hardwareVariante = 7;
    std::string m_benutzername = "Benutzername";
    DateTime m_parametrierdatum;
    std::array<std::string, kDescriptionCount> m_descriptions;
    int m_totalByteCount = 0;
    bool m_transferRunning = false;
};
