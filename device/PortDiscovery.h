#pragma once

#include <functional>
#include <string>
#include <vector>

/// A serial port the system has: the device file to open and what it is for a user (the
/// adapter's stable name under /dev/serial/by-id, or "eingebaute Schnittstelle").
struct SystemPort {
    std::string path;
    std::string kind;
};

/// Finds the serial ports of the system in a stable order: USB adapters first, by their
/// by-id names, then the built-in UARTs by number. Windows lists COM1 to COM16 as they are.
class PortDiscovery {
public:
    /// The driver's UART type of a device file (TIOCGSERIAL); 0 (PORT_UNKNOWN) for none. A port
    /// this user may not open cannot be asked and counts as present.
    using UartType = std::function<int(const std::string& path)>;

    /// Reads the tree below `root` ("/" for the running system, a prepared folder in tests).
    explicit PortDiscovery(std::string root = "/", UartType uartType = {});

    /// The ports present now, re-read at every call.
    std::vector<SystemPort> Ports() const;

private:
    std::string m_root;
    UartType m_uartType;
};
