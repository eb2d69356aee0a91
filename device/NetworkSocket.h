#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

/// A TCP connection through the operating system's sockets (one back end per system), never
/// blocking the caller longer than the time given.
class NetworkSocket {
public:
    enum class ConnectResult {
        Connected,
        Refused, ///< the server is there but turned the connection away
        Failed,  ///< no such host, no route, no answer in time ...
    };

    virtual ~NetworkSocket() = default;

    /// Connects to host:port (name or address), letting window events run while it waits, at
    /// most timeoutSeconds. An open connection is closed first. On failure Reason() says why.
    virtual ConnectResult Connect(const std::string& host, int port, double timeoutSeconds) = 0;
    /// Closes the connection; harmless when there is none.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    /// Sends every byte, waiting at most timeoutSeconds while the system has no room. False on
    /// failure (closed by the other side, broken, no room in time).
    virtual bool Send(std::string_view bytes, double timeoutSeconds) = 0;
    /// Appends what has arrived, at most maxBytes, to `received` without waiting; the rest stays
    /// with the system for the next call. False once the other side closed the connection or it
    /// broke (what came before the end is still appended).
    virtual bool Receive(std::string& received, std::size_t maxBytes) = 0;
    /// Waits at most timeoutSeconds until bytes or the end of the connection arrive; true then.
    virtual bool WaitReadable(double timeoutSeconds) = 0;
    /// The system's text for the last failure.
    virtual std::string Reason() const = 0;
};

/// A socket of the operating system (the back end is chosen when building).
std::unique_ptr<NetworkSocket> MakeNetworkSocket();
