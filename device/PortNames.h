#pragma once

#include "device/PortDiscovery.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// What COM1 to COM16 stand for: a device file or network address set for a COMn (from the
/// settings or the user), else the next serial port the system has that no COMn names.
class PortNames {
public:
    static constexpr std::int16_t kPortCount = 16;

    /// Reads the system's ports once.
    PortNames();

    /// The device path of COMn, which takes effect at the next opening of the port; an empty
    /// path gives COMn back to the ports found (FindPorts). Throws std::out_of_range for n
    /// outside 1 to 16.
    void setPortPath(std::int16_t comNr, std::string path);
    /// The path set for COMn; else the next port found that no COMn names, in the order found,
    /// for the COMn without a path of their own; else "" (no such port).
    std::string PortPath(std::int16_t comNr) const;
    /// What the device file of COMn is, as found (by-id name, "eingebaute Schnittstelle");
    /// "" for a path that was set and not found.
    std::string PortKind(std::int16_t comNr) const;
    /// The system's serial ports as the last FindPorts found them.
    const std::vector<SystemPort>& FoundPorts() const { return m_found; }
    /// Reads the system's serial ports again; the COMn without a path of their own follow them.
    void FindPorts();
    /// Where FindPorts looks from now on (a prepared tree in tests); reads the ports at once.
    void setPortDiscovery(PortDiscovery discovery);
    /// The number n of a port name "COMn" (any letter case, n from 1 to 16); 0 for other texts.
    static std::int16_t PortNumber(std::string_view name);

private:
    /// Gives the ports found, in order, to the COMn without a path of their own.
    void AssignFoundPorts();

    std::array<std::string, kPortCount> m_portPaths; ///< empty: the port found
    PortDiscovery m_discovery;
    std::vector<SystemPort> m_found;
    std::array<std::string, kPortCount> m_foundPaths; ///< what each COMn without a path gets
};
