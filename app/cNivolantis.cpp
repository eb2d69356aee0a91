#include "app/cNivolantis.h"

#include "base/FileContent.h"
#include "base/IntegerConversion.h"
#include "base/NumberText.h"
#include "base/Platform.h"
#include "base/Text.h"
#include "base/Translation.h"
#include "base/UnexpectedError.h"
#include "device/DeviceProtocol.h"
#include "device/DeviceTransfer.h"
#include "files/ParameterFile.h"
#include "firmware/cFirmwareRW.h"
#include "report/ConfigurationReport.h"

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int kMaxUnitCount = 1000; ///< more units than any list shows: a broken settings file
constexpr std::size_t kMaxPathShown = 160; ///< bytes of a device path from the settings shown
} // namespace

cNivolantis::cNivolantis(const SettingsFiles& files) : cNivolantis(files, ReadSettings(files)) {}

cNivolantis::cNivolantis(const std::string& settingsFile)
    : cNivolantis(SettingsFiles::Only(settingsFile)) {}

cNivolantis::cNivolantis(const SettingsFiles& files, const Settings& settings)
    : m_settingsFiles(files), m_units(settings.units), m_config(m_units),
      m_firmwareID(settings.firmwareID),
      m_record(CommissioningRecord::ForUser(Platform::Program())) {
    m_config.setOwner(this);
    for (std::int16_t port = 1; port <= PortNames::kPortCount; ++port)
        Ports().setPortPath(port, settings.portPaths[port - 1]);
    m_kept = m_config.CurrentState();
    m_highlightDefaults = files.HighlightDefaults();
}

bool cNivolantis::KeepStateIf(bool done) {
    if (done)
        m_kept = m_config.CurrentState();
    return done;
}

cNivolantis::~cNivolantis() = default;

std::string cNivolantis::DefaultSettingsFile() {
    return SettingsFiles::InstalledFile(Platform::Program());
}

cNivolantis::Settings cNivolantis::ReadSettings(const SettingsFiles& files) {
    const std::string& settingsFile = files.DefaultsFile();
    if (KindOfPath(settingsFile) != PathKind::RegularFile)
        throw std::runtime_error(TrArgs(
            Tr("cNivolantis", "Die Einstellungsdatei '%1' ist nicht vorhanden."), {settingsFile}));
    const std::string count = files.getKey("Einheiten", "Anzahl");
    auto number = TextToNumber(count);
    if (!number || *number < 0 || *number > kMaxUnitCount)
        throw std::runtime_error(
            TrArgs(Tr("cNivolantis", "Die Einstellungsdatei '%1' enthält keine gültige Anzahl "
                                     "der Einheiten ('%2')."),
                   {settingsFile, count}));
    Settings settings;
    for (int i = 0; i < ToInt16(*number); ++i)
        settings.units.push_back(files.getKey("Einheiten", "Einheit" + std::to_string(i)));
    settings.firmwareID = files.getKey("ID", "Firmware");
    for (int port = 1; port <= PortNames::kPortCount; ++port)
        settings.portPaths.push_back(files.getKey("Schnittstellen", "COM" + std::to_string(port)));
    return settings;
}

std::string cNivolantis::setHighlightDefaults(bool on) {
    m_highlightDefaults = on;
    Notify();
    return m_settingsFiles.SaveHighlightDefaults(on);
}

std::string cNivolantis::TraceFile() {
    const ProgramInfo& program = Platform::Program();
    if (program.stateHome.empty())
        return "";
    ProgramInfo state;
    state.folder = program.stateHome;
    return state.PathInFolder("NivoConfig/Mitschnitt.txt");
}

bool cNivolantis::Tracing() {
    return !m_serCom.Trace().File().empty();
}

std::string cNivolantis::TraceInto(const std::string& file) {
    return m_serCom.Trace().setFile(file);
}

std::string cNivolantis::FinishTrace() {
    ByteTrace& trace = m_serCom.Trace();
    trace.Flush();
    return trace.Failure();
}

std::string cNivolantis::StartTrace(bool on) {
    std::string failure;
    if (on && TraceFile().empty())
        failure = Tr("cNivolantis", "Kein Ordner für den Mitschnitt bekannt.");
    else
        failure = TraceInto(on ? TraceFile() : "");
    Notify();
    return failure;
}

std::string cNivolantis::setTracing(bool on) {
    const std::string failure = StartTrace(on);
    return failure.empty() ? m_settingsFiles.SaveTrace(on) : failure;
}

std::vector<View*> cNivolantis::Views() const {
    std::vector<View*> views;
    for (const RegisteredView& entry : *m_views)
        views.push_back(entry.view);
    return views;
}

void cNivolantis::Notify() {
    if (!EnableNotify())
        return;
    for (View* view : Views())
        CallView(view, [view] { view->Update(); });
}

void cNivolantis::NotifyProgress(int percent) {
    for (View* view : Views())
        if (auto* progress = dynamic_cast<ProgressView*>(view))
            CallView(view, [progress, percent] { progress->UpdateProgress(percent); });
}

void cNivolantis::CallView(View* view, const std::function<void()>& call) {
    if (!Registered(view)) // it ended during an earlier view's refresh (closed on a message)
        return;
    try {
        call();
    } catch (...) {
        ReportViewFailure(view, CurrentErrorText());
    }
}

RegisteredView* cNivolantis::Registered(View* view) {
    const auto entry = std::find_if(m_views->begin(), m_views->end(),
                                    [view](const RegisteredView& e) { return e.view == view; });
    return entry == m_views->end() ? nullptr : &*entry;
}

void cNivolantis::ReportViewFailure(View* view, const std::string& what) {
    // One failing view must not keep the others stale, nor flood the user with boxes.
    ReportUnexpected(Tr("cNivolantis", "Anzeige nicht aktualisiert"), what);
    RegisteredView* entry = Registered(view);
    if (!entry || entry->failureShown)
        return;
    entry->failureShown = true;
    ShowMessage(
        TrArgs(Tr("cNivolantis", "Die Anzeige konnte nicht aktualisiert werden:\r\n%1"), {what}),
        MsgIcon::Exclamation);
}

void cNivolantis::ShowSearch(const SearchState& state) {
    m_portNr = state.port;
    m_firmwareID = state.identification;
    m_searching = state.port > 0 && state.identification.empty();
}

std::int16_t cNivolantis::Connect() {
    DeviceTransfer transfer(m_config, m_serCom, *this);
    const auto found = transfer.Connect();
    if (found)
        m_lastSearch = transfer.SearchReport();
    return found ? found->port : 0;
}

void cNivolantis::CheckConnection() {
    if (m_portNr < 1 || m_searching || DeviceBusy() || m_serCom.LineAlive())
        return;
    m_serCom.CloseCom(m_portNr);
    m_portNr = 0;
    m_firmwareID.clear();
    Notify();
}

std::string cNivolantis::ConnectionText() {
    if (m_portNr < 1 || m_searching || m_portNr > m_serCom.PortCount())
        return "";
    const std::string kind = Ports().PortKind(m_portNr);
    return "COM" + std::to_string(m_portNr) + ": " +
           EscapedText(Ports().PortPath(m_portNr), kMaxPathShown) +
           (kind.empty() ? "" : " (" + EscapedText(kind, kMaxPathShown) + ")");
}

cNivolantis::PortState cNivolantis::TryPort(std::int16_t comNr) {
    const std::string text = m_serCom.GetStatus(comNr);
    return {m_serCom.Names().PortPath(comNr), text, m_serCom.OpenFaultOf(comNr)};
}

std::vector<cNivolantis::PortState> cNivolantis::ScanPorts(const std::function<bool()>& goOn) {
    cSerCom scan;                 // not the device's channel: the port it holds shows as in use
    m_serCom.Names().FindPorts(); // an adapter plugged in since the last search is listed too
    std::vector<PortState> states;
    for (std::int16_t n = 1; n <= scan.PortCount(); ++n) {
        if (!goOn())
            return {};
        scan.Names().setPortPath(n, m_serCom.Names().PortPath(n));
        const std::string text = scan.GetStatus(n);
        states.push_back({scan.Names().PortPath(n), text, scan.OpenFaultOf(n)});
    }
    return states;
}

bool cNivolantis::OpenPort(std::int16_t comNr) {
    return m_serCom.OpenCom(comNr, DeviceProtocol::kLineSettings) == comNr;
}

void cNivolantis::ClosePort() {
    m_serCom.CloseCom(m_serCom.CurrentPort());
}

Measurement cNivolantis::Measure() {
    return Measurement::Read(m_serCom, m_config);
}

std::optional<std::uint8_t> cNivolantis::ReadEepromByte(std::int32_t adress) {
    if (m_serCom.ReadEEPROM(adress, 1) != 1)
        return std::nullopt;
    return m_serCom.getBufferByte();
}

bool cNivolantis::WriteEepromByte(std::int32_t adress, std::uint8_t value) {
    return m_serCom.WriteEEPROM(adress, 1, value) == 1;
}

bool cNivolantis::SendCommand(std::string_view command, std::int16_t answerLength,
                              double timeoutSeconds) {
    return m_serCom.Command(command, answerLength, timeoutSeconds) == answerLength;
}

EepromTransfer cNivolantis::NewEepromTransfer(ProgressView* progress, const Cancellation* cancel) {
    return EepromTransfer(m_serCom, progress, cancel);
}

std::unique_ptr<cFirmwareRW> cNivolantis::NewFirmwareTransfer() {
    return std::make_unique<cFirmwareRW>(m_serCom);
}

bool cNivolantis::Download() {
    if (DeviceBusy())
        return false;
    DeviceTransfer transfer(m_config, m_serCom, *this);
    const bool done = transfer.Download();
    Keep("Konfiguration schreiben", m_fileName, transfer.Bytes(), done, transfer.Told());
    return done; // the device is no file: the edits still wait to be saved
}

bool cNivolantis::Upload() {
    if (DeviceBusy())
        return false;
    DeviceTransfer transfer(m_config, m_serCom, *this);
    const bool done = transfer.Upload();
    Keep("Konfiguration lesen", "", transfer.Bytes(), done, transfer.Told());
    return done;
}

EepromTransfer::CellResults cNivolantis::WriteEeprom(EepromTransfer& transfer,
                                                     const EepromTransfer::Image& bytes,
                                                     const std::string& file,
                                                     const EepromOutcome& tell) {
    const EepromTransfer::CellResults results = transfer.Write(bytes);
    const bool ok = !transfer.Cancelled() && EepromTransfer::FailedCells(results).empty();
    const std::string message = tell(results);
    Keep("EEPROM schreiben", file, std::string(bytes.begin(), bytes.end()), ok, message);
    return results;
}

bool cNivolantis::WriteFirmware(cFirmwareRW& firmware, const std::string& file) {
    const bool done = firmware.WriteHexFile(file);
    Keep("Firmware schreiben", file, firmware.Image(), done, firmware.LastLine());
    return done;
}

bool cNivolantis::ReadFirmware(cFirmwareRW& firmware, std::int32_t size, const std::string& file) {
    const bool done = firmware.ReadHexFile(size, file);
    Keep("Firmware lesen", file, firmware.Image(), done, firmware.LastLine());
    return done;
}

void cNivolantis::Keep(const char* operation, const std::string& file, const std::string& bytes,
                       bool ok, const std::string& message) {
    const bool onPort = m_portNr > 0 && m_portNr <= m_serCom.PortCount();
    m_record.Add({operation, onPort ? "COM" + std::to_string(m_portNr) : "",
                  onPort ? Ports().PortPath(m_portNr) : "", m_firmwareID,
                  std::to_string(HardwareVariante()), file, bytes, ok, message},
                 Benutzername());
}

std::unique_ptr<Configuration> cNivolantis::SeparateConfiguration() {
    auto other = std::make_unique<Configuration>(m_units);
    other->setHardwareVariante(HardwareVariante());
    // Its notifications refresh the views, so that a device search shows there as in Upload.
    other->setOwner(this);
    return other;
}

bool cNivolantis::UploadInto(Configuration& other) {
    DeviceTransfer transfer(other, m_serCom, *this);
    const bool done = transfer.Upload();
    Keep("Konfiguration lesen", "", transfer.Bytes(), done, transfer.Told());
    return done;
}

bool cNivolantis::ReadIniInto(Configuration& other, const std::string& fileName) {
    cIniFile ini; // the model's file stays where it is for the next save
    std::string otherFileName;
    return ParameterFile(other, ini, otherFileName).Read(fileName);
}

bool cNivolantis::WriteIni(const std::string& NewFileName) {
    return KeepStateIf(ParameterFile(m_config, m_iniFile, m_fileName).Write(NewFileName));
}

bool cNivolantis::ReadIni(const std::string& NewFileName) {
    return KeepStateIf(ParameterFile(m_config, m_iniFile, m_fileName).Read(NewFileName));
}

bool cNivolantis::PrintAll() {
    return ConfigurationReport(m_config).Print(Platform::Printing());
}
