#include "device/PortDiscovery.h"

#include "base/Translation.h"

#include <utility>

PortDiscovery::PortDiscovery(std::string root, UartType uartType)
    : m_root(std::move(root)), m_uartType(std::move(uartType)) {}

std::vector<SystemPort> PortDiscovery::Ports() const {
    // The serial port driver keeps the numbers stable; "COM12" opens as "\\.\COM12".
    std::vector<SystemPort> ports;
    for (int n = 1; n <= 16; ++n)
        ports.push_back({"COM" + std::to_string(n), Tr("PortDiscovery", "Schnittstelle")});
    return ports;
}
