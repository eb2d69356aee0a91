#pragma once

#include "app/RecordWriter.h"
#include "app/SettingsFiles.h"
#include "app/ViewRegistration.h"
#include "base/DateTime.h"
#include "base/ProgressView.h"
#include "base/View.h"
#include "device/EepromTransfer.h"
#include "device/Measurement.h"
#include "device/TransferHost.h"
#include "device/cSerCom.h"
#include "files/cIniFile.h"
#include "model/Configuration.h"
#include "model/Notifiable.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class cFirmwareRW;

/// The application object: owns the configuration, the serial channel and the INI access, and
/// tells the registered views about every change.
class cNivolantis : public Notifiable, public TransferHost {
public:
    static constexpr int kDescriptionCount = Configuration::kDescriptionCount;

    /// Reads the settings (units, device identification, port paths) and builds the catalogue
    /// with its defaults. Throws std::runtime_error when the defaults file is missing or the
    /// "Einheiten"/"Anzahl" read is no number from 0 to 1000.
    explicit cNivolantis(const SettingsFiles& settings = SettingsFiles::ForUser());
    /// The same with this one settings file instead of the installed and the user's.
    explicit cNivolantis(const std::string& settingsFile);
    ~cNivolantis() override;

    // --- Settings and views ---

    /// The installed settings file, found from the program's folder.
    static std::string DefaultSettingsFile();
    /// Where the settings were read, and where the user's choices go.
    const SettingsFiles& SettingsSource() const { return m_settingsFiles; }
    /// Whether the pages mark the values that differ from the factory settings.
    bool HighlightDefaults() const { return m_highlightDefaults; }
    /// Switches the marks, keeps the choice in the user's settings and tells every view. Returns
    /// an empty text, else why the choice could not be kept (it holds for this run even so).
    std::string setHighlightDefaults(bool on);

    /// The registered views in registration order.
    std::vector<View*> Views() const;
    /// Registers a view until the returned registration ends.
    ViewRegistration AddView(View& view) { return ViewRegistration(m_views, view); }
    /// Calls `Update` on every view in registration order while notification is on. A failing
    /// view does not stop the others: its failure goes to standard error each time, and to the
    /// user once per registration.
    void Notify() override;
    /// Calls `UpdateProgress` on every view that offers it, whatever the notification switch.
    void NotifyProgress(int percent) override;

    // --- The configuration ---

    Configuration& Config() { return m_config; }
    const Configuration& Config() const { return m_config; }

    const KeyedCollection<cDataGroup>& Data() const { return m_config.Data(); }
    cDataGroup& Data(const std::string& group) const { return m_config.Data(group); }
    /// Calls f(group, parameter) for every parameter in walk order (see Configuration).
    template <typename F> void ForEachParameter(F&& f) const {
        m_config.ForEachParameter(std::forward<F>(f));
    }

    bool EnableNotify() const { return m_config.EnableNotify(); }
    void setEnableNotify(bool enable) { m_config.setEnableNotify(enable); }
    /// Passes the testing switch on to every group.
    void setEnableTestData(bool enable) { m_config.setEnableTestData(enable); }
    /// The whole-model check (see Configuration::TestData). True when an error was found.
    bool TestData() { return m_config.TestData(); }

    void SetDescription(int index, const std::string& text) {
        m_config.SetDescription(index, text);
    }
    std::string GetDescription(int index) const { return m_config.GetDescription(index); }

    const std::string& Benutzername() const { return m_config.Benutzername(); }
    void setBenutzername(const std::string& name) { m_config.setBenutzername(name); }
    const DateTime& Parametrierdatum() const { return m_config.Parametrierdatum(); }
    void setParametrierdatum(const DateTime& date) { m_config.setParametrierdatum(date); }
    void setParametrierdatum(const std::string& text) { m_config.setParametrierdatum(text); }
    std::string ParametrierdatumText() const { return m_config.ParametrierdatumText(); }

    std::int16_t MaxUnits() const { return m_config.MaxUnits(); }
    int TotalByteCount() const { return m_config.TotalByteCount(); }

    std::uint8_t HardwareVariante() const { return m_config.HardwareVariante(); }
    void setHardwareVariante(std::uint8_t variant) { m_config.setHardwareVariante(variant); }

    void SetDefaults() { m_config.SetDefaults(); }
    void UpdateLimits() { m_config.UpdateLimits(); }

    /// A text for "GROUP/NAME" as the main window's field hands it over (see Configuration).
    Configuration::Assigned Assign(const std::string& path, const std::string& text) {
        return m_config.Assign(path, text);
    }
    std::string Show(const std::string& path) const { return m_config.Show(path); }

    /// A configuration apart from the model, with the factory defaults, the program's units and
    /// the model's variant: what a comparison reads the device or a parameter file into.
    std::unique_ptr<Configuration> SeparateConfiguration();

    // --- Parameter files and the report ---

    const std::string& FileName() const { return m_fileName; }
    void setFileName(const std::string& name) { m_fileName = name; }
    /// Saves the model as a parameter file; false (after a message) when nothing was saved.
    bool WriteIni(const std::string& NewFileName);
    /// Loads a parameter file into the model; false (after a message) when it could not be read.
    bool ReadIni(const std::string& NewFileName);
    /// Loads a parameter file into `other`; the model and the current file name stay untouched.
    /// False after the message when it could not be read.
    bool ReadIniInto(Configuration& other, const std::string& fileName);
    /// True while the model differs from the parameter file last opened or saved, or before
    /// either from the state the program started with. A device transfer saves no file: the
    /// description lines and user data live only there.
    bool Modified() const { return m_config.CurrentState() != m_kept; }
    /// Prints the configuration report on the platform printer; false (after a message) when the
    /// whole-model check refused it. Printer errors reach the caller.
    bool PrintAll();

    // --- Device session: the ports ---

    /// What COM1 to COM16 stand for (device files, network addresses, the ports found); a
    /// change takes effect at the port's next opening.
    PortNames& Ports() { return m_serCom.Names(); }
    const PortNames& Ports() const { return m_serCom.Names(); }
    /// What trying a port found.
    struct PortState {
        std::string path;  ///< the device file or address tried
        std::string text;  ///< "Anschluß vorhanden.", "Schnittstelle nicht vorhanden." ...
        OpenFault fault{}; ///< the kind of failure of that opening
    };
    /// Opens COMn with the device's line settings and closes it at once (see cSerCom::GetStatus).
    PortState TryPort(std::int16_t comNr);
    /// Tries COM1 to COM16 on a channel of its own, so that the port the device holds shows as
    /// in use, after reading the system's ports again. `goOn` is asked before each port; empty
    /// when it said no.
    std::vector<PortState> ScanPorts(const std::function<bool()>& goOn);

    // --- Device session: the connection ---

    /// Searches COM1 to COM16 for the device; the port where it answered (left open), or 0.
    /// Sets PortNr and FirmwareID.
    std::int16_t Connect();
    /// Opens COMn with the device's line settings as the device's port, without a search; false
    /// when it cannot be opened.
    bool OpenPort(std::int16_t comNr);
    /// Closes the device's port; PortNr and FirmwareID stay as the last search left them.
    void ClosePort();
    /// Once the device's line is gone, closes its port and tells the views: PortNr is 0 and
    /// FirmwareID empty then. Does nothing while a device exchange runs.
    void CheckConnection();
    /// "COM1: /dev/ttyUSB0 (USB-Adapter …)": the port the device answered on, with its device
    /// file or server address; empty without a device.
    std::string ConnectionText();
    std::int16_t PortNr() const { return m_portNr; }
    const std::string& FirmwareID() const { return m_firmwareID; }
    /// True while a device search tries a port: PortNr then names a port not yet answering.
    bool Searching() const { return m_searching; }
    /// What the last Connect found at each port it tried.
    const std::vector<PortProbe>& LastSearch() const { return m_lastSearch; }
    /// True while a device exchange or transfer runs; device commands are refused meanwhile.
    bool DeviceBusy() const override { return m_transferRunning || m_serCom.Busy(); }
    void setTransferRunning(bool running) override { m_transferRunning = running; }
    /// The window's "Abbrechen" requests it; Upload stops at the next exchange then.
    Cancellation& UserCancel() { return m_userCancel; }
    const Cancellation& UserCancel() const override { return m_userCancel; }

    // --- Device session: transfers and exchanges on the device's port ---

    /// Writes the model into the device ("Gerät schreiben"); false after its failure message.
    bool Download();
    /// Reads the device into the model ("Gerät lesen"); false after its failure message.
    bool Upload();
    /// Reads the device into `other` as Upload does into the model (its messages, progress,
    /// variant, cancel and busy state); the model and its kept state stay untouched. False after
    /// the failure message, also when the device holds no valid configuration. Recorded as a
    /// configuration read.
    bool UploadInto(Configuration& other);
    /// The device's live values (see Measurement::Read).
    Measurement Measure();
    /// One EEPROM byte of the device; empty when it did not answer. Throws std::out_of_range
    /// for an address outside 0 to 65535.
    std::optional<std::uint8_t> ReadEepromByte(std::int32_t adress);
    /// Writes one EEPROM byte; false when the device did not confirm it.
    bool WriteEepromByte(std::int32_t adress, std::uint8_t value);
    /// Sends a command and awaits `answerLength` bytes (see cSerCom::Command); false when they
    /// did not come.
    bool SendCommand(std::string_view command, std::int16_t answerLength, double timeoutSeconds);
    /// A transfer of the whole EEPROM on the device's port; `progress` and `cancel` as
    /// EepromTransfer takes them.
    EepromTransfer NewEepromTransfer(ProgressView* progress = nullptr,
                                     const Cancellation* cancel = nullptr);
    /// A firmware transfer through the bootloader on the device's port.
    std::unique_ptr<cFirmwareRW> NewFirmwareTransfer();

    // --- Device session: the commissioning record and the trace ---

    /// Every device write and read below, Download and Upload go into the commissioning record
    /// (one line each, refusals while another transfer runs left out).
    RecordWriter& Record() { return m_record; }
    /// Writes the EEPROM bytes through `transfer`; `tell` shows the user the outcome and returns
    /// the text it showed, which the record keeps.
    using EepromOutcome = std::function<std::string(const EepromTransfer::CellResults&)>;
    EepromTransfer::CellResults WriteEeprom(EepromTransfer& transfer,
                                            const EepromTransfer::Image& bytes,
                                            const std::string& file, const EepromOutcome& tell);
    /// Writes the firmware file through the bootloader (see cFirmwareRW::WriteHexFile).
    bool WriteFirmware(cFirmwareRW& firmware, const std::string& file);
    /// Saves `size` bytes of the device's firmware in the file (see cFirmwareRW::ReadHexFile).
    bool ReadFirmware(cFirmwareRW& firmware, std::int32_t size, const std::string& file);

    /// "NivoConfig/Mitschnitt.txt" in the user's state folder, where the window traces the device
    /// traffic; "" when that folder is unknown.
    static std::string TraceFile();
    /// Whether the serial channel traces into a file.
    bool Tracing();
    /// Starts or stops the trace into TraceFile from the next exchange on and tells every view.
    /// Returns an empty text, else why the trace could not start.
    std::string StartTrace(bool on);
    /// StartTrace, and keeps the choice in the user's settings; the result as StartTrace's, or
    /// why the choice could not be kept.
    std::string setTracing(bool on);
    /// Traces into `file` from the next exchange on ("" stops); the result as StartTrace's.
    std::string TraceInto(const std::string& file);
    /// Writes what the trace still holds; why the trace could not be written, else "".
    std::string FinishTrace();

    /// The channel itself, for the tests of the device layer; the front ends use the session
    /// above.
    cSerCom& SerCom() { return m_serCom; }

private:
    /// What construction takes from the settings file.
    struct Settings {
        std::vector<std::string> units;
        std::string firmwareID;
        std::vector<std::string> portPaths; ///< COM1 to COM16; empty: the default path
    };
    static Settings ReadSettings(const SettingsFiles& files);
    cNivolantis(const SettingsFiles& files, const Settings& settings);

    /// Calls a registered view, reporting its failure; a view no longer registered is left out.
    void CallView(View* view, const std::function<void()>& call);
    void ReportViewFailure(View* view, const std::string& what);
    /// The view's entry while it is registered; nullptr otherwise.
    RegisteredView* Registered(View* view);

    /// PortNr and FirmwareID follow the device search.
    void ShowSearch(const SearchState& state) override;

    /// Appends one operation to the record with the port and device as the program knows them.
    void Keep(const char* operation, const std::string& file, const std::string& bytes, bool ok,
              const std::string& message);

    /// The state is kept where it is now when `done`; returns `done`.
    bool KeepStateIf(bool done);

    SettingsFiles m_settingsFiles;
    std::vector<std::string> m_units; ///< the scale units of the settings, in index order
    Configuration m_config;
    Configuration::State m_kept; ///< the state at the last file or device transfer
    std::shared_ptr<RegisteredViews> m_views = std::make_shared<RegisteredViews>();
    cSerCom m_serCom;
    cIniFile m_iniFile;
    std::int16_t m_portNr = 0;
    std::string m_fileName;
    std::string m_firmwareID;
    std::vector<PortProbe> m_lastSearch;
    bool m_transferRunning = false;
    bool m_searching = false;
    bool m_highlightDefaults = true;
    Cancellation m_userCancel;
    RecordWriter m_record;
};
