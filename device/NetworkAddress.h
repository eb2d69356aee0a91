#pragma once

#include <optional>
#include <string>

/// A serial line offered by a serial device server: "tcp://HOST:PORT" (raw socket, bytes as
/// they are) or "rfc2217://HOST:PORT" (Telnet with the COM-PORT-OPTION). An IPv6 host is
/// written in brackets: "tcp://[::1]:4001".
struct NetworkAddress {
    enum class Mode { Raw, Rfc2217 };

    Mode mode = Mode::Raw;
    std::string host;
    int port = 0;

    /// The address of a port name; empty for names that are no network address or lack the
    /// host or a port from 1 to 65535.
    static std::optional<NetworkAddress> Parse(const std::string& name);
    /// Whether the name starts like a network address (then it names no device file).
    static bool IsNetworkName(const std::string& name);
    /// "HOST:PORT" as the user wrote it, for messages.
    std::string HostAndPort() const;
};
