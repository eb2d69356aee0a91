#include "cli/CliContext.h"

#include "app/basMain.h"
#include "device/cSerCom.h"
#include "sim/DemoDevice.h"

#include <iostream>

CliContext::CliContext(CliMessageService& messages) : m_messages(messages) {}

CliContext::~CliContext() = default;

bool CliContext::Start() {
    if (MyNivolantis)
        return true;
    if (!CreateApplication(settingsFile) || !MapPorts()) {
        Fail();
        return false;
    }
    return true;
}

bool CliContext::MapPorts() {
    for (const std::string& port : ports) {
        const auto equals = port.find('=');
        const std::int16_t number = equals == std::string::npos ? 1 : cSerCom::PortNumber(port.substr(0, equals));
        if (number == 0) {
            std::cerr << "Unbekannte Schnittstelle in '" << port << "' (erwartet: COM1 bis COM16).\n";
            return false;
        }
        App().SerCom().setPortPath(number, equals == std::string::npos ? port : port.substr(equals + 1));
    }
    if (demo) {
        m_demoDevice = StartDemoDevice(*MyNivolantis);
        if (!m_demoDevice)
            return false;
        App().SerCom().setPortPath(1, m_demoDevice->PortPath());
    }
    return true;
}

cNivolantis& CliContext::App() { return *MyNivolantis; }

bool CliContext::LoadFile(const std::string& file) {
    const int before = MessageCount();
    if (!Start() || !App().ReadIni(file) || MessageCount() != before) {
        Fail();
        return false;
    }
    return true;
}
