#include "device/DeviceTransfer.h"

#include "base/IntegerConversion.h"
#include "base/Platform.h"
#include "app/cNivolantis.h"
#include "device/EepromCoding.h"
#include "device/cSerCom.h"
#include "model/LimitRules.h"

#include <poll.h>
#include <stdexcept>

namespace {

const char* const kSettings = "19200,n,8,1"; ///< the device's line: 19200 baud, 8N1
constexpr double kSearchPauseS = 0.2;        ///< pause before each port is tried
constexpr double kIdentTimeoutS = 2.0;       ///< reply to "I": identification text
constexpr double kEndTimeoutS = 1.0;         ///< "a" ends writing; no reply awaited
constexpr std::int32_t kDecimalPlacesAdress = 196;
constexpr std::int32_t kVariantAdress = 7; ///< low three bits: the hardware variant
const char* const kWriteTitle = "Gerät schreiben";
const char* const kReadTitle = "Gerät lesen";

/// A failure that ends a transfer with one message box.
struct TransferFailure : std::runtime_error {
    TransferFailure(std::string heading, std::string detail)
        : std::runtime_error(detail), heading(std::move(heading)) {}
    std::string heading;
};

TransferFailure NotFound() {
    return {"Kommunikationsfehler.", "Gerät konnte nicht gefunden werden."};
}

/// Marks the application as transferring for the lifetime of the object.
class TransferScope {
public:
    explicit TransferScope(cNivolantis& app) : m_app(app) { m_app.setTransferRunning(true); }
    ~TransferScope() { m_app.setTransferRunning(false); }

private:
    cNivolantis& m_app;
};

} // namespace

void DeviceTransfer::Wait(double seconds) {
    const double end = Platform::Clocks().MonotonicSeconds() + seconds;
    for (double now = Platform::Clocks().MonotonicSeconds(); now < end;
         now = Platform::Clocks().MonotonicSeconds()) {
        DoEvents();
        poll(nullptr, 0, std::min(10, static_cast<int>((end - now) * 1000) + 1));
    }
}

std::int16_t DeviceTransfer::Connect() {
    if (m_app.DeviceBusy())
        return 0;
    TransferScope scope(m_app);
    return Search();
}

std::int16_t DeviceTransfer::Search() {
    cSerCom& serCom = m_app.SerCom();
    m_app.setPortNr(0);
    m_app.m_firmwareID.clear();
    for (std::int16_t port = 1; port <= serCom.PortCount(); ++port) {
        m_app.setPortNr(port);
        m_app.Notify();
        Wait(kSearchPauseS);
        if (serCom.Connect(port, "I", "NIVOLANTIS", kSettings, kIdentTimeoutS) == port) {
            m_app.m_firmwareID = serCom.getBufferStr();
            return port;
        }
        m_app.setPortNr(0);
    }
    return 0;
}

std::optional<std::uint8_t> DeviceTransfer::ReadHardwareVariante() {
    if (m_app.SerCom().ReadEEPROM(kVariantAdress, 1) != 1)
        return std::nullopt;
    return m_app.SerCom().getBufferByte();
}

void DeviceTransfer::ReportProgress(int bytesDone) {
    m_app.NotifyProgress(ToInt16(bytesDone * 100.0 / m_app.TotalByteCount()));
}

void DeviceTransfer::Fail(const std::string& title, const std::string& heading,
                          const std::string& detail) {
    ShowMessage(heading + "\r\n" + detail, MsgIcon::Critical, title);
    m_app.setEnableNotify(true);
    m_app.NotifyProgress(0);
    m_app.Notify();
}

template <typename Body> bool DeviceTransfer::Guarded(const char* title, Body body) {
    try {
        body();
        return true;
    } catch (const TransferFailure& failure) {
        Fail(title, failure.heading, failure.what());
    } catch (const std::exception& error) {
        Fail(title, Platform::Program().name, error.what());
    }
    return false;
}

bool DeviceTransfer::Download() {
    if (m_app.DeviceBusy())
        return false;
    TransferScope scope(m_app);
    if (m_app.TestData()) {
        ShowMessage("Parameter fehlerhaft.\r\nEs kann kein Download durchgeführt werden.",
                    MsgIcon::Critical);
        return false;
    }
    const bool written = Guarded(kWriteTitle, [this] {
        if (Search() < 1)
            throw NotFound();
        auto variant = ReadHardwareVariante();
        if (!variant)
            throw TransferFailure("Kommunikationsfehler.",
                                  "Gerätevariante konnte nicht gelesen werden.");
        if ((*variant & 7) != m_app.HardwareVariante())
            throw TransferFailure("Falsche Gerätevariante.",
                                  "Bitte unter Optionen die richtige Gerätevariante einstellen.");
        m_app.Notify();
        m_app.SerCom().MarkSeries(0);
        WriteAll();
    });
    if (!written)
        return false;
    ShowMessage("Gerät schreiben beendet.", MsgIcon::Information);
    m_app.NotifyProgress(0);
    m_app.SerCom().Command("a", 0, kEndTimeoutS);
    return true;
}

void DeviceTransfer::WriteAll() {
    m_app.setEnableNotify(false);
    int bytesDone = 0;
    m_app.ForEachParameter([&](cDataGroup&, cParameter& parameter) {
        const std::int32_t raw = EepromCoding::Raw(parameter);
        if (m_app.SerCom().WriteEEPROM(parameter.Adress(),
                                       static_cast<std::uint8_t>(parameter.Size()),
                                       raw) != parameter.Size())
            throw TransferFailure("Schreiben des Gerätes.",
                                  "Parameter '" + parameter.ParName() +
                                      "' konnte nicht geschrieben werden");
        bytesDone += parameter.Size();
        ReportProgress(bytesDone);
        DoEvents();
    });
    m_app.setEnableNotify(true);
}

bool DeviceTransfer::Upload() {
    if (m_app.DeviceBusy())
        return false;
    TransferScope scope(m_app);
    std::optional<std::uint8_t> variant;
    const bool read = Guarded(kReadTitle, [this, &variant] {
        if (Search() < 1)
            throw NotFound();
        m_app.Notify();
        m_app.SerCom().MarkSeries(0);
        m_app.setEnableNotify(false);
        m_app.setEnableTestData(false);
        ReadDecimalPlaces();
        ReadAll();
        variant = ReadHardwareVariante();
        if (!variant)
            throw TransferFailure("Lesen des Gerätes.",
                                  "Gerätevariante konnte nicht gelesen werden");
    });
    if (!read)
        return false;
    m_app.setEnableNotify(true);
    ShowMessage("Gerät lesen beendet.", MsgIcon::Information);
    m_app.setHardwareVariante(*variant & 7);
    m_app.NotifyProgress(0);
    LimitRules::UpdateLimitsKeepingValues(m_app);
    m_app.setEnableTestData(true);
    m_app.SerCom().MarkSeries(255);
    return true;
}

/// The decimal places come first so that the scaled values' limits follow them.
void DeviceTransfer::ReadDecimalPlaces() {
    if (m_app.SerCom().ReadEEPROM(kDecimalPlacesAdress, 1) != 1)
        throw TransferFailure("Lesen des Gerätes.",
                              "Parameter 'Skalenkomma' konnte nicht gelesen werden");
    m_app.Data("Eingang").Parameters("Skalenkomma").setValue(m_app.SerCom().getBufferByte());
    m_app.UpdateLimits();
}

void DeviceTransfer::ReadAll() {
    m_app.setEnableNotify(false);
    int bytesDone = 0;
    const cDataGroup* previous = nullptr;
    m_app.ForEachParameter([&](cDataGroup& group, cParameter& parameter) {
        if (previous && previous != &group)
            DoEvents();
        previous = &group;
        cSerCom& serCom = m_app.SerCom();
        if (serCom.ReadEEPROM(parameter.Adress(), static_cast<std::uint8_t>(parameter.Size())) !=
            parameter.Size())
            throw TransferFailure("Lesen des Gerätes.", "Parameter '" + parameter.ParName() +
                                                            "' konnte nicht gelesen werden");
        parameter.setValue(EepromCoding::Value(serCom.getBufferLong(), parameter));
        bytesDone += parameter.Size();
        ReportProgress(bytesDone);
    });
    DoEvents();
}
