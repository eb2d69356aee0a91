#pragma once

#include "device/ByteTrace.h"
#include "device/ConnectResult.h"
#include "device/PortNames.h"
#include "device/SerialPort.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The serial channel to the device: one port object for each of COM1 to COM16 (named by its
/// PortNames), one of them current, and the answer of the last exchange in a byte buffer. Never
/// shows a message; every operation reports through its result. Not re-entrant: an operation
/// started while another one waits (from an event run during the wait) is refused at once with 0
/// and changes nothing.
class cSerCom {
public:
    static constexpr std::int16_t kPortCount = PortNames::kPortCount;
    static constexpr double kByteTimeoutS = 1.0; ///< answer of "c", "L" and "s": 1 byte
    /// The longest text answer taken (without its zero byte); the device's are far shorter.
    static constexpr std::size_t kTextLimit = 256;

    cSerCom();
    ~cSerCom();
    cSerCom(const cSerCom&) = delete;
    cSerCom& operator=(const cSerCom&) = delete;

    /// Opens port comNr (1 to 16) with settings such as "19200,n,8,1", closing it first if it
    /// is open, and makes it current. comNr on success; 0 on failure, with no port current.
    std::int16_t OpenCom(std::int16_t comNr, const std::string& conSettings);
    /// Closes port comNr; no port is current afterwards. comNr, or 0 for a number outside
    /// 1 to 16 (the current port then stays).
    std::int16_t CloseCom(std::int16_t comNr);
    /// Availability of port comNr: "Schnittstelle bereits geöffnet." when this object holds it
    /// open, "Anschluß vorhanden." when it can be opened (it is closed again at once), else the
    /// reason it cannot ("Schnittstelle nicht vorhanden.", "Schnittstelle wird bereits
    /// verwendet.", ...).
    std::string GetStatus(std::int16_t comNr);
    /// Why the last opening of port comNr failed ("Schnittstelle nicht vorhanden." ...); ""
    /// when it succeeded or for a number outside 1 to 16.
    std::string OpenError(std::int16_t comNr) const;
    /// The kind of that failure; None when the last opening succeeded, NotPresent for a number
    /// outside 1 to 16.
    OpenFault OpenFaultOf(std::int16_t comNr) const;
    /// Opens conPort, sends conCommand and waits up to conTimeout seconds for a text answer
    /// closed by a zero byte. Answered, with `port` conPort, when the answer contains conReturn
    /// (letter case ignored; the port stays open and current, the answer in the buffer); a wrong,
    /// too long or no answer closes the port again (a too long one leaves its start in the
    /// buffer); a port that cannot be opened says why (not there,
    /// in use, no permission), with the reason's text in OpenError.
    ConnectResult Connect(std::int16_t conPort, std::string_view conCommand,
                          std::string_view conReturn, const std::string& conSettings,
                          double conTimeout);

    /// Sends `command` to the current port and waits for the answer, letting window events
    /// run at least every 10 ms. expectedLength >= 0: waits until that many bytes came or
    /// timeoutSeconds passed, then takes them (fewer after a time-out); 0 sends without
    /// awaiting anything. expectedLength < 0: collects a text until a zero byte closes it or the
    /// time-out passed, and keeps it without its last byte. An answer longer than expected
    /// (bytes after the zero byte of a text) fails at once: it is dropped with whatever still
    /// follows it, until the line stays quiet for 20 ms (at most until the time-out). After an
    /// exchange that timed out, an answer followed by further bytes within 20 ms fails the same
    /// way: it may be the late answer of the exchange before.
    /// A text longer than kTextLimit fails as soon as that many bytes came without the zero byte;
    /// its first kTextLimit bytes stay in the buffer, for a message, and the rest is dropped
    /// like the bytes after an answer too long.
    /// Returns the number of bytes now in the buffer; 0 on failure (no port open, hang-up,
    /// nothing received in text mode, an answer too long), the buffer then empty (but for the
    /// start of a text too long), or unchanged when the command could not be sent.
    std::int16_t Command(std::string_view command, std::int16_t expectedLength,
                         double timeoutSeconds);

    /// Reads `size` EEPROM bytes from address `adress` on (0 to 65535), one "c" exchange per
    /// byte. `size` on success, 0 at the first byte not answered; the buffer holds the bytes
    /// read, in address order. Throws std::out_of_range for addresses beyond 65535.
    std::int16_t ReadEEPROM(std::int32_t adress, std::uint8_t size);
    /// Writes `value` into `size` EEPROM bytes from `adress` on, least significant byte first,
    /// negative values as two's complement (sign-extended beyond four bytes), one "L" exchange
    /// per byte whose echo must match. `size` on success, 0 at the first byte not confirmed
    /// (the bytes before it stay written). Throws std::out_of_range like ReadEEPROM.
    std::int16_t WriteEEPROM(std::int32_t adress, std::uint8_t size, std::int32_t value);
    /// Sends "B" with its argument (0 before a series of EEPROM accesses, 255 after a series of
    /// reads) and waits up to 1 s for the device's one-byte reply, which is not evaluated.
    void MarkSeries(std::uint8_t mark);
    /// Reads one flash byte with "s". Returns the number of bytes received (1 on success), the
    /// byte in the buffer. Throws std::out_of_range for an address outside 0 to 65535.
    std::int16_t ReadFLASH(std::int32_t adress);

    /// The buffer: the answer of the last exchange, one char per byte.
    std::string getBufferStr() const { return m_buffer; }
    /// The first byte of the buffer; 0 when it is empty.
    std::uint8_t getBufferByte() const;
    /// Up to four bytes, least significant first: four bytes as signed 32-bit two's complement
    /// (FF FF FF FF is -1), fewer bytes unsigned (FF FF is 65535); empty buffer 0.
    std::int32_t getBufferLong() const;
    /// The first two bytes, least significant first, as signed 16-bit two's complement; one
    /// byte unsigned; empty buffer 0.
    std::int16_t getBufferInt() const;

    /// True while an operation waits for the device; the user interface disables its device
    /// commands meanwhile.
    bool Busy() const { return m_busy; }
    /// The port commands go to; 0 when none.
    std::int16_t CurrentPort() const { return m_current; }
    /// The trace of every byte on the ports, off until a file is set; written at the end of
    /// every operation.
    ByteTrace& Trace() { return m_trace; }

    /// False when no port is current or its line is gone (hang-up, vanished adapter, closed
    /// server connection); looks without waiting. True while an operation runs.
    bool LineAlive();
    /// Number of port objects (COM1 to COM16).
    std::int16_t PortCount() const { return kPortCount; }

    /// What COM1 to COM16 stand for; a port takes its path at its next opening. Other channels
    /// keep their own names.
    PortNames& Names() { return m_names; }
    const PortNames& Names() const { return m_names; }

private:
    class BusyScope;

    static bool ValidPort(std::int16_t comNr) { return comNr >= 1 && comNr <= kPortCount; }
    SerialPort& Port(std::int16_t comNr) { return *m_ports[comNr - 1]; }
    std::int16_t Open(std::int16_t comNr, const std::string& settings);
    std::int16_t Close(std::int16_t comNr);
    std::int16_t Exchange(std::string_view command, std::int16_t expectedLength,
                          double timeoutSeconds);
    bool Transmit(SerialPort& port, std::string_view command);
    std::int16_t ReceiveText(SerialPort& port, double timeoutSeconds);
    std::int16_t ReceiveFixed(SerialPort& port, std::size_t expectedLength, double timeoutSeconds);
    /// After an exchange that timed out: false when further bytes follow the answer just taken
    /// within the quiet time, so that a late answer is never taken for the next one.
    bool SettledAfterLateAnswer(SerialPort& port);
    /// Drops an answer that is too long and the bytes that follow it; returns 0.
    std::int16_t Discard(SerialPort& port, double deadline);
    std::int16_t BufferLength() const;

    ByteTrace m_trace; ///< made before the ports that write into it
    std::array<std::unique_ptr<SerialPort>, kPortCount> m_ports;
    PortNames m_names;
    std::int16_t m_current = 0;
    std::string m_buffer;
    bool m_busy = false;
    bool m_lateAnswerDue = false; ///< the last exchange timed out: its answer may still come
};
