#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

/// How a wait of a serial port ended.
enum class SerialWait {
    Done,    ///< the awaited thing happened (bytes arrived, transmit queue empty)
    Timeout, ///< the time passed first
    Failed,  ///< port not open, hang-up of the other side or a vanished device
};

/// Why opening a serial port failed.
enum class OpenFault {
    None,         ///< the last opening succeeded
    NotPresent,   ///< no such device
    InUse,        ///< held open by another handle, in this program or another
    NoPermission, ///< this user may not open the device file
    Other,        ///< anything else, for instance line settings the driver refuses
};

/// One serial port of the PC, opened for this process alone. Received bytes collect in the
/// port's own receive buffer until ReadAll takes them; the buffer holds at most kReceiveLimit
/// bytes, and what comes beyond waits in the driver, so that a device or server that never stops
/// sending cannot fill the memory. Single-threaded use; waits block the caller for at most the
/// time given and never spin.
class SerialPort {
public:
    /// Far more than any answer of the device (a few hundred bytes at most).
    static constexpr std::size_t kReceiveLimit = 4096;

    virtual ~SerialPort() = default;

    /// Opens the device file (or network address) `path` with line settings such as "19200,n,8,1"
    /// (see SerialSettings), raw 8-bit transfer, no handshake, DTR not driven. An open port is
    /// closed first. False on failure, with the reason in ErrorDescription.
    virtual bool Open(const std::string& path, const std::string& settings) = 0;
    /// Closes the port; harmless when it is not open.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    /// Hands the bytes to the driver; waits only while the driver has no room, at most the
    /// bytes' line time plus 1 s. False on failure (not open, hang-up, no room in time).
    virtual bool Write(std::string_view bytes) = 0;
    /// Waits at most timeoutSeconds until the driver has sent every byte (checked in short
    /// steps). Failed when the port is not open or the driver cannot tell.
    virtual SerialWait WaitTransmitted(double timeoutSeconds) = 0;

    /// Number of bytes in the receive buffer, after taking in what the driver holds.
    virtual std::size_t BytesWaiting() = 0;
    /// Takes and returns every byte of the receive buffer, oldest first.
    virtual std::string ReadAll() = 0;
    /// Waits at most timeoutSeconds until at least one further byte has arrived and was put
    /// into the receive buffer; Done at once while the buffer is full. Failed at once after a
    /// hang-up of the other side.
    virtual SerialWait WaitReadable(double timeoutSeconds) = 0;

    /// Seconds one character takes on the line with the settings of the last Open.
    virtual double CharacterSeconds() const = 0;
    /// Description of the last failure in the user's language ("Schnittstelle nicht vorhanden."
    /// ...).
    virtual std::string ErrorDescription() const = 0;
    /// Why the last Open failed; None after one that succeeded.
    virtual OpenFault LastOpenFault() const = 0;
};

/// A port that opens a serial device server's line for "tcp://HOST:PORT" and
/// "rfc2217://HOST:PORT" and the operating system's port for every other name.
std::unique_ptr<SerialPort> MakeSerialPort();
/// A port of the operating system's serial API (the back end is chosen when building).
std::unique_ptr<SerialPort> MakeSystemSerialPort();
/// A line of a serial device server over TCP, raw or with RFC 2217 (see NetworkAddress).
std::unique_ptr<SerialPort> MakeNetworkSerialPort();
