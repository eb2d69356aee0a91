#include "device/DeviceTransfer.h"

#include "base/IntegerConversion.h"
#include "base/Platform.h"
#include "base/Text.h"
#include "base/Translation.h"
#include "device/DeviceProtocol.h"
#include "device/EepromCoding.h"
#include "device/cSerCom.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"
#include "model/Configuration.h"
#include "model/HardwareVariants.h"
#include "model/LimitRules.h"

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

constexpr double kSearchPauseS = 0.2;              ///< pause before each port is tried
constexpr double kIdentTimeoutS = 2.0;             ///< reply to "I": identification text
constexpr double kEndTimeoutS = 1.0;               ///< "a" ends writing; no reply awaited
constexpr const char* kContext = "DeviceTransfer"; ///< of the texts in the tables below

/// The title of a transfer's message boxes and the message when the user cancels it.
struct TransferTexts {
    const char* title;
    const char* cancelled;
};
constexpr TransferTexts kWriteTexts{TrNoop("DeviceTransfer", "Gerät schreiben"),
                                    TrNoop("DeviceTransfer", "Gerät schreiben abgebrochen.")};
constexpr TransferTexts kReadTexts{TrNoop("DeviceTransfer", "Gerät lesen"),
                                   TrNoop("DeviceTransfer", "Gerät lesen abgebrochen.")};

std::string WritingFailed() {
    return Tr("DeviceTransfer", "Schreiben des Gerätes.");
}

std::string ReadingFailed() {
    return Tr("DeviceTransfer", "Lesen des Gerätes.");
}

std::string CommunicationError() {
    return Tr("DeviceTransfer", "Kommunikationsfehler.");
}

std::string NotWritten(const std::string& name) {
    return TrArgs(Tr("DeviceTransfer", "Parameter '%1' konnte nicht geschrieben werden"),
                  {CatalogueText::Caption(name)});
}

std::string NotRead(const std::string& name) {
    return TrArgs(Tr("DeviceTransfer", "Parameter '%1' konnte nicht gelesen werden"),
                  {CatalogueText::Caption(name)});
}

/// What a write that broke off left behind, and what to do about it.
std::string WriteBrokenOff() {
    return Tr("DeviceTransfer",
              "Die Verbindung zum Gerät ist abgebrochen oder gestört. Das Gerät enthält jetzt eine "
              "unvollständige Konfiguration: die Parameter davor sind neu, die übrigen alt.\r\n"
              "Bitte die Verbindung prüfen und das Gerät erneut schreiben.");
}

/// A read that broke off takes nothing: a mix of device and earlier values is no configuration.
std::string ReadBrokenOff() {
    return Tr("DeviceTransfer", "Es wurde kein Wert übernommen; die bisherigen Werte bleiben "
                                "unverändert.\r\nBitte die Verbindung prüfen und erneut lesen.");
}

/// The value's `size` bytes as the device receives them: least significant first.
void AppendBytes(std::string& bytes, std::int32_t raw, int size) {
    for (int i = 0; i < size; ++i, raw >>= 8)
        bytes += static_cast<char>(raw & 0xFF);
}

/// A failure that ends a transfer with one message box.
struct TransferFailure : std::runtime_error {
    TransferFailure(std::string heading, std::string detail)
        : std::runtime_error(detail), heading(std::move(heading)) {}
    std::string heading;
};

/// The user cancelled the operation between two exchanges.
struct TransferCancelled {};

/// The device holds no valid configuration: the values stay in the model as read, and the
/// user learns which ones lie outside their limits.
std::string InvalidValuesText(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + CatalogueText::Caption(name);
    return TrArgs(Tr("DeviceTransfer", "Das Gerät enthält keine gültige Konfiguration.\r\nWerte "
                                       "ausserhalb der Grenzen: %1"),
                  {list});
}

TransferFailure NotFound(const std::vector<PortProbe>& report) {
    std::string detail = Tr("DeviceTransfer", "Gerät konnte nicht gefunden werden.");
    if (const std::string found = DeviceTransfer::DescribeSearch(report); !found.empty())
        detail += "\r\n" + found;
    return {CommunicationError(), detail};
}

/// A variant's text in quotes, without the full stop that ends it elsewhere.
std::string QuotableVariant(std::uint8_t variant) {
    std::string text = HardwareVariants::Text(variant);
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

/// Names both variants, so the user sees which one to choose.
TransferFailure WrongVariant(std::uint8_t device, std::uint8_t chosen) {
    return {Tr("DeviceTransfer", "Falsche Gerätevariante."),
            TrArgs(Tr("DeviceTransfer", "Das Gerät meldet: '%1'.\r\nIn den Optionen eingestellt: "
                                        "'%2'.\r\nBitte unter Optionen die richtige Gerätevariante "
                                        "einstellen."),
                   {QuotableVariant(device), QuotableVariant(chosen)})};
}

PortProbe::Outcome OutcomeOf(OpenFault fault) {
    switch (fault) {
    case OpenFault::NotPresent:
        return PortProbe::kNotPresent;
    case OpenFault::InUse:
        return PortProbe::kInUse;
    case OpenFault::NoPermission:
        return PortProbe::kNoPermission;
    default:
        return PortProbe::kCannotOpen;
    }
}

std::string Outcome(const PortProbe& probe) {
    switch (probe.outcome) {
    case PortProbe::kFound:
        return TrArgs(Tr("DeviceTransfer", "Gerät gefunden: %1"), {probe.detail});
    case PortProbe::kNoAnswer:
        return Tr("DeviceTransfer", "keine Antwort.");
    case PortProbe::kWrongAnswer:
        return TrArgs(Tr("DeviceTransfer", "falsche Antwort '%1'."), {probe.detail});
    default:
        return probe.detail;
    }
}

/// "COM1, COM4 bis COM16" for the ports of the probes.
std::string PortList(const std::vector<const PortProbe*>& probes) {
    std::string list;
    for (std::size_t i = 0; i < probes.size();) {
        std::size_t last = i;
        while (last + 1 < probes.size() && probes[last + 1]->port == probes[last]->port + 1)
            ++last;
        const std::string first = std::to_string(probes[i]->port);
        const std::string end = std::to_string(probes[last]->port);
        list += list.empty() ? "" : ", ";
        if (last == i)
            list += "COM" + first;
        else if (last == i + 1)
            list += "COM" + first + ", COM" + end;
        else
            list += TrArgs(Tr("DeviceTransfer", "COM%1 bis COM%2"), {first, end});
        i = last + 1;
    }
    return list;
}

/// Marks the host as transferring for the lifetime of the object.
class TransferScope {
public:
    explicit TransferScope(TransferHost& host) : m_host(host) { m_host.setTransferRunning(true); }
    ~TransferScope() { m_host.setTransferRunning(false); }

private:
    TransferHost& m_host;
};

} // namespace

void DeviceTransfer::Wait(double seconds) {
    const double end = Platform::Clocks().MonotonicSeconds() + seconds;
    for (double now = Platform::Clocks().MonotonicSeconds(); now < end;
         now = Platform::Clocks().MonotonicSeconds()) {
        DoEvents();
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::min(10, static_cast<int>((end - now) * 1000) + 1)));
    }
}

std::optional<SearchState> DeviceTransfer::Connect() {
    if (m_host.DeviceBusy())
        return std::nullopt;
    TransferScope scope(m_host);
    return Search();
}

SearchState DeviceTransfer::Search() {
    m_host.ShowSearch({});
    m_report.clear();
    m_serCom.Names().FindPorts(); // an adapter plugged in since the last search
    for (std::int16_t port = 1; port <= m_serCom.PortCount(); ++port) {
        StopIfCancelled();
        m_host.ShowSearch({port, ""});
        m_config.Notify();
        Wait(kSearchPauseS);
        m_report.push_back(Probe(port));
        if (m_report.back().outcome == PortProbe::kFound) {
            const SearchState found{port, m_report.back().detail};
            m_host.ShowSearch(found);
            return found;
        }
        m_host.ShowSearch({});
    }
    return {};
}

PortProbe DeviceTransfer::Probe(std::int16_t port) {
    PortProbe probe{port, m_serCom.Names().PortPath(port), PortProbe::kNoAnswer, ""};
    const ConnectResult result =
        m_serCom.Connect(port, "I", "NIVOLANTIS", DeviceProtocol::kLineSettings, kIdentTimeoutS);
    switch (result.outcome) {
    case ConnectResult::kAnswered:
        probe.outcome = PortProbe::kFound;
        break;
    case ConnectResult::kWrongAnswer:
        probe.outcome = PortProbe::kWrongAnswer;
        break;
    case ConnectResult::kNoAnswer:
        return probe;
    case ConnectResult::kNotOpened:
        probe.outcome = OutcomeOf(result.fault);
        probe.detail = m_serCom.OpenError(port);
        return probe;
    case ConnectResult::kRefused:
        probe.outcome = PortProbe::kCannotOpen;
        probe.detail =
            Tr("DeviceTransfer", "Die Schnittstelle ist belegt: eine andere Übertragung läuft.");
        return probe;
    }
    // Whatever came back: printable and short, an identification whole (it is bounded).
    probe.detail =
        EscapedText(m_serCom.getBufferStr(),
                    probe.outcome == PortProbe::kFound ? cSerCom::kTextLimit : std::size_t{64});
    return probe;
}

std::string DeviceTransfer::DescribeProbe(const PortProbe& probe) {
    const std::string path = probe.path.empty() ? "" : " (" + probe.path + ")";
    return "COM" + std::to_string(probe.port) + path + ": " + Outcome(probe);
}

std::string DeviceTransfer::DescribeSearch(const std::vector<PortProbe>& report) {
    std::string lines;
    std::vector<const PortProbe*> missing;
    for (const PortProbe& probe : report) {
        if (probe.outcome == PortProbe::kNotPresent) {
            missing.push_back(&probe);
            continue;
        }
        lines += (lines.empty() ? "" : "\r\n") + DescribeProbe(probe);
    }
    if (!missing.empty())
        lines += (lines.empty() ? "" : "\r\n") + PortList(missing) + ": " +
                 Tr("DeviceTransfer", "Schnittstelle nicht vorhanden."); // the port's own reason
    return lines;
}

std::optional<std::uint8_t> DeviceTransfer::ReadHardwareVariante() {
    if (m_serCom.ReadEEPROM(DeviceProtocol::kVariantAdress, 1) != 1)
        return std::nullopt;
    return m_serCom.getBufferByte();
}

void DeviceTransfer::ReportProgress(int bytesDone) {
    m_host.NotifyProgress(ToInt16(bytesDone * 100.0 / m_config.TotalByteCount()));
}

void DeviceTransfer::Fail(const std::string& title, const std::string& heading,
                          const std::string& detail) {
    Tell(heading + "\r\n" + detail, MsgIcon::Critical, title);
    Recover();
}

void DeviceTransfer::Tell(const std::string& text, MsgIcon icon, const std::string& title) {
    m_told = text;
    ShowMessage(text, icon, title);
}

void DeviceTransfer::Recover() {
    m_host.NotifyProgress(0);
    m_config.Notify();
}

void DeviceTransfer::StopIfCancelled() const {
    if (m_cancellable && m_host.UserCancel().Requested())
        throw TransferCancelled{};
}

template <typename Body>
bool DeviceTransfer::Guarded(const std::string& title, const char* cancelled, Body body) {
    try {
        body();
        return true;
    } catch (const TransferCancelled&) {
        Tell(Tr(kContext, cancelled), MsgIcon::Information, title);
        Recover();
    } catch (const TransferFailure& failure) {
        Fail(title, failure.heading, failure.what());
    } catch (const std::exception& error) {
        Fail(title, Platform::Program().name, error.what());
    }
    return false;
}

bool DeviceTransfer::Download() {
    if (m_host.DeviceBusy())
        return false;
    TransferScope scope(m_host);
    if (m_config.TestData()) {
        Tell(Tr("DeviceTransfer",
                "Parameter fehlerhaft.\r\nEs kann kein Download durchgeführt werden."),
             MsgIcon::Critical);
        return false;
    }
    const bool written = Guarded(Tr(kContext, kWriteTexts.title), kWriteTexts.cancelled, [this] {
        const std::vector<std::int32_t> raws = CodeAll();
        if (Search().port < 1)
            throw NotFound(m_report);
        auto variant = ReadHardwareVariante();
        if (!variant)
            throw TransferFailure(
                CommunicationError(),
                Tr("DeviceTransfer", "Gerätevariante konnte nicht gelesen werden."));
        if ((*variant & Configuration::kVariantMask) != m_config.HardwareVariante())
            throw WrongVariant(*variant & Configuration::kVariantMask, m_config.HardwareVariante());
        m_config.Notify();
        m_serCom.MarkSeries(DeviceProtocol::kSeriesStart);
        WriteAll(raws);
    });
    if (!written)
        return false;
    Tell(Tr("DeviceTransfer", "Gerät schreiben beendet."), MsgIcon::Information);
    m_host.NotifyProgress(0);
    m_serCom.Command("a", 0, kEndTimeoutS);
    return true;
}

/// Every value is coded before the first byte is sent: one the device cannot hold stops the
/// write with nothing written.
std::vector<std::int32_t> DeviceTransfer::CodeAll() {
    std::vector<std::int32_t> raws;
    m_bytes.clear();
    m_config.ForEachParameter([this, &raws](cDataGroup&, cParameter& parameter) {
        try {
            raws.push_back(EepromCoding::Raw(parameter));
            AppendBytes(m_bytes, raws.back(), parameter.Size());
        } catch (const std::exception& error) {
            throw TransferFailure(
                WritingFailed(),
                TrArgs(Tr("DeviceTransfer", "Parameter '%1' konnte nicht "
                                            "geschrieben werden: %2"),
                       {CatalogueText::Caption(parameter.ParName()), error.what()}));
        }
    });
    return raws;
}

void DeviceTransfer::WriteAll(const std::vector<std::int32_t>& raws) {
    const Configuration::Batch batch(m_config);
    int bytesDone = 0;
    auto raw = raws.begin();
    m_config.ForEachParameter([&](cDataGroup&, cParameter& parameter) {
        if (m_serCom.WriteEEPROM(parameter.Adress(), static_cast<std::uint8_t>(parameter.Size()),
                                 *raw++) != parameter.Size()) {
            m_bytes.resize(static_cast<std::size_t>(bytesDone)); // what the device confirmed
            throw TransferFailure(WritingFailed(),
                                  NotWritten(parameter.ParName()) + "\r\n" + WriteBrokenOff());
        }
        bytesDone += parameter.Size();
        ReportProgress(bytesDone);
        DoEvents();
    });
}

bool DeviceTransfer::Upload() {
    if (m_host.DeviceBusy())
        return false;
    TransferScope scope(m_host);
    m_cancellable = true;
    std::vector<std::string> invalid;
    const bool read =
        Guarded(Tr(kContext, kReadTexts.title), kReadTexts.cancelled, [this, &invalid] {
            if (Search().port < 1)
                throw NotFound(m_report);
            m_config.Notify();
            m_serCom.MarkSeries(DeviceProtocol::kSeriesStart);
            // The views show what was read, the variant applied, once, before the message says
            // it is done; the values are taken without limit checks.
            const Configuration::Batch batch(m_config, Configuration::Batch::Checks::Off);
            std::uint8_t variant = 0;
            try {
                variant = ReadAll();
            } catch (const TransferFailure& failure) {
                throw TransferFailure(failure.heading,
                                      std::string(failure.what()) + "\r\n" + ReadBrokenOff());
            }
            // The limits follow the decimal places and scaling read before the values are judged.
            LimitRules::UpdateLimitsKeepingValues(m_config);
            invalid = m_config.ParametersOutsideLimits();
            m_config.setHardwareVariante(variant & Configuration::kVariantMask);
        });
    if (!read)
        return false;
    if (invalid.empty())
        Tell(Tr("DeviceTransfer", "Gerät lesen beendet."), MsgIcon::Information);
    else
        Tell(InvalidValuesText(invalid), MsgIcon::Critical, Tr(kContext, kReadTexts.title));
    m_host.NotifyProgress(0);
    m_serCom.MarkSeries(DeviceProtocol::kReadSeriesEnd);
    return invalid.empty();
}

std::uint8_t DeviceTransfer::ReadDecimalPlaces() {
    if (m_serCom.ReadEEPROM(DecimalPlaces().Adress(), 1) != 1)
        throw TransferFailure(ReadingFailed(), NotRead(Catalogue::kDecimalPlaces));
    return m_serCom.getBufferByte();
}

cParameter& DeviceTransfer::DecimalPlaces() {
    return m_config.Data(Catalogue::kInputGroup).Parameters(Catalogue::kDecimalPlaces);
}

std::uint8_t DeviceTransfer::ReadAll() {
    m_bytes.clear();
    const std::uint8_t decimalPlaces = ReadDecimalPlaces();
    std::vector<std::int32_t> raws;
    try {
        ReadRaws(raws);
        const auto variant = ReadHardwareVariante();
        if (!variant)
            throw TransferFailure(
                ReadingFailed(),
                Tr("DeviceTransfer", "Gerätevariante konnte nicht gelesen werden"));
        TakeValues(decimalPlaces, raws);
        return *variant;
    } catch (const TransferCancelled&) {
        m_serCom.MarkSeries(DeviceProtocol::kReadSeriesEnd);
        throw;
    }
}

void DeviceTransfer::ReadRaws(std::vector<std::int32_t>& raws) {
    int bytesDone = 0;
    const cDataGroup* previous = nullptr;
    m_config.ForEachParameter([&](cDataGroup& group, cParameter& parameter) {
        if (previous && previous != &group)
            DoEvents();
        previous = &group;
        StopIfCancelled();
        if (m_serCom.ReadEEPROM(parameter.Adress(), static_cast<std::uint8_t>(parameter.Size())) !=
            parameter.Size())
            throw TransferFailure(ReadingFailed(), NotRead(parameter.ParName()));
        raws.push_back(m_serCom.getBufferLong());
        m_bytes += m_serCom.getBufferStr();
        bytesDone += parameter.Size();
        ReportProgress(bytesDone);
    });
    DoEvents();
    StopIfCancelled();
}

/// The decimal places come first so that the scaled values' factors and limits follow them;
/// the values are taken without limit checks (the read's batch switches them off).
void DeviceTransfer::TakeValues(std::uint8_t decimalPlaces, const std::vector<std::int32_t>& raws) {
    DecimalPlaces().setValue(decimalPlaces);
    m_config.UpdateLimits();
    auto raw = raws.begin();
    m_config.ForEachParameter([&raw, &raws](cDataGroup&, cParameter& parameter) {
        if (raw != raws.end())
            parameter.setValue(EepromCoding::Value(*raw++, parameter));
    });
}
