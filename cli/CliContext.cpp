#include "cli/CliContext.h"

#include "app/basMain.h"
#include "base/Platform.h"
#include "base/Text.h"
#include "base/Translation.h"
#include "device/DeviceProtocol.h"
#include "device/DeviceTransfer.h"
#include "device/cSerCom.h"
#include "sim/DemoDevice.h"

#include <iostream>

CliContext::CliContext(CliMessageService& messages) : m_messages(messages) {}

CliContext::~CliContext() = default;

bool CliContext::Start() {
    if (MyNivolantis)
        return true;
    if (!CreateApplication(Settings()) || !MapPorts() || !StartTrace()) {
        Fail();
        return false;
    }
    App().Record().setEnabled(!noRecord);
    return true;
}

SettingsFiles CliContext::Settings() const {
    return settingsFile.empty() ? SettingsFiles::ForUser() : SettingsFiles::Only(settingsFile);
}

bool CliContext::MapPorts() {
    for (const std::string& port : ports) {
        const auto equals = port.find('=');
        const std::int16_t number =
            equals == std::string::npos ? 1 : PortNames::PortNumber(port.substr(0, equals));
        if (number == 0) {
            std::cerr << TrArgs(Tr("CliContext",
                                   "Unbekannte Schnittstelle in '%1' (erwartet: COM1 bis COM16)."),
                                {port})
                      << '\n';
            Fail(kExitUsage);
            return false;
        }
        if (equals != std::string::npos && equals + 1 == port.size()) {
            std::cerr << TrArgs(Tr("CliContext",
                                   "Gerätedatei fehlt in '%1' (erwartet: COMn=GERÄTEDATEI)."),
                                {port})
                      << '\n';
            Fail(kExitUsage);
            return false;
        }
        App().Ports().setPortPath(number,
                                  equals == std::string::npos ? port : port.substr(equals + 1));
    }
    if (demo) {
        m_demoDevice = StartDemoDevice();
        if (!m_demoDevice)
            return false;
        App().Ports().setPortPath(1, m_demoDevice->PortPath());
    }
    return true;
}

bool CliContext::StartTrace() {
    if (traceFile.empty())
        return true;
    const std::string failure = App().TraceInto(traceFile);
    if (!failure.empty())
        std::cerr << TrArgs(Tr("CliContext", "Der Mitschnitt in '%1' ist nicht möglich: %2"),
                            {EscapedText(traceFile, 255), failure})
                  << '\n';
    return failure.empty();
}

void CliContext::EndTrace() {
    if (!MyNivolantis)
        return;
    if (const std::string failure = App().FinishTrace(); !failure.empty())
        std::cerr << failure << '\n';
}

bool CliContext::ConnectDevice(bool quiet) {
    if (!Start())
        return false;
    if (App().Connect() > 0)
        return true;
    std::cerr << Tr("CliContext", "Kein Gerät gefunden.") << '\n';
    if (!quiet)
        std::cerr << ConsoleMessageService::PlainLineEnds(
                         DeviceTransfer::DescribeSearch(App().LastSearch()))
                  << '\n';
    Fail();
    return false;
}

bool CliContext::ApplyVariant() {
    if (args.variant.empty())
        return true;
    if (args.variant != "geraet" && args.variant != "device") { // the keyword in either language
        App().setHardwareVariante(static_cast<std::uint8_t>(std::stoi(args.variant)));
        return true;
    }
    std::optional<std::uint8_t> variant;
    if (App().Connect() > 0)
        variant = App().ReadEepromByte(DeviceProtocol::kVariantAdress);
    App().ClosePort();
    if (!variant) {
        ShowMessage(
            Tr("CliContext", "Die Hardwarevariante des Gerätes konnte nicht gelesen werden."),
            MsgIcon::Exclamation);
        Fail();
        return false;
    }
    App().setHardwareVariante(*variant & Configuration::kVariantMask);
    return true;
}

cNivolantis& CliContext::App() {
    return *MyNivolantis;
}

bool CliContext::LoadFile(const std::string& file) {
    const int before = MessageCount();
    if (!Start() || !App().ReadIni(file) || MessageCount() != before) {
        Fail();
        return false;
    }
    return true;
}
