#pragma once

#include "device/SerialPort.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

/// A plain-text trace of every byte the serial channel sends and receives, for finding out
/// afterwards why a transfer failed in the field. One line per event, each with the local time of
/// day to the millisecond and the port:
///
///     14:05:09.000 -- Mitschnitt beginnt am 2026-12-06
///     14:05:09.000 COM1 = /dev/ttyUSB0 19200,n,8,1
///     14:05:09.001 COM1 > 49  |I|
///     14:05:09.020 COM1 < 4E 49 56 ... 00  |NIV...|
///
/// "=" opens a port, ">" is one command as sent (either with " ! " and the reason when it failed),
/// "<" every byte received from then until the next command, at most kBytesPerLine bytes a line;
/// the bytes in hex, then between bars the same bytes as text, every byte outside 20 to 7E hex
/// as ".".
/// "--" lines are notes of the trace itself. Lines are appended through the safe writer, at the
/// end of every operation of the channel; the file never grows beyond its limit: the line that
/// would pass it is replaced by a note, and the trace stops.
class ByteTrace {
public:
    static constexpr std::uintmax_t kMaxFileBytes = 8u * 1024 * 1024; ///< whole file, all runs
    static constexpr std::size_t kBytesPerLine = 1024;                ///< a longer answer goes on

    explicit ByteTrace(std::uintmax_t maxFileBytes = kMaxFileBytes);
    ~ByteTrace();
    ByteTrace(const ByteTrace&) = delete;
    ByteTrace& operator=(const ByteTrace&) = delete;

    /// Traces from now on into `path` (appended to, created with its folders when missing), or
    /// stops for an empty path; what was traced before is written first. A start note with the
    /// date is written at once: the result is "" or why it could not be written (then the trace
    /// is off).
    std::string setFile(const std::string& path);
    /// The file traced into; "" when the trace is off.
    const std::string& File() const { return m_file; }
    /// Why the trace stopped by itself (a failed write); "" while it runs or was stopped on
    /// purpose.
    const std::string& Failure() const { return m_failure; }

    /// `port` as seen by the channel, with every opening, write and read traced as COMn.
    std::unique_ptr<SerialPort> Watch(std::unique_ptr<SerialPort> port, int comNr);

    void Opened(int comNr, std::string_view path, std::string_view settings,
                std::string_view failure);
    /// A failure (the port's reason) marks bytes that were not all sent.
    void Sent(int comNr, std::string_view bytes, std::string_view failure = "");
    void Received(int comNr, std::string_view bytes);
    /// Appends the lines collected so far. A failed write stops the trace (see Failure).
    void Flush();

private:
    void EndReceivedLine();
    void AddLine(const std::string& line);
    std::string Stamp() const;

    std::uintmax_t m_maxFileBytes;
    std::string m_file;
    std::string m_failure;
    std::uintmax_t m_fileBytes = 0; ///< the file's size with the lines collected
    std::string m_lines;            ///< collected, not yet written
    int m_receivedPort = 0;         ///< the port of the "<" line being collected; 0: none
    std::string m_receivedStamp;
    std::string m_received;
};
