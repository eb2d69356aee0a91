#include "device/ByteTrace.h"

#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Text.h"
#include "base/Translation.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::size_t kNoteRoom = 256;        ///< kept free below the limit for the closing note
constexpr std::size_t kPendingBytes = 65536;  ///< collected lines beyond this are written at once
constexpr std::size_t kQuotedPathBytes = 255; ///< of a device path from the settings

std::uintmax_t FileSize(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(
        std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()), error);
    return error ? 0 : size;
}

/// "4E 49  |NI|": the bytes in hex, then as text with "." for every byte outside 20 to 7E hex.
std::string Dump(std::string_view bytes) {
    std::string hex;
    std::string text;
    for (const char c : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X ", static_cast<unsigned char>(c));
        hex += digits;
        text += c >= 0x20 && c <= 0x7E ? c : '.';
    }
    return hex + " |" + text + "|";
}

/// One port's side of the traffic, as the trace sees it.
class TracedPort final : public SerialPort {
public:
    TracedPort(std::unique_ptr<SerialPort> port, ByteTrace& trace, int comNr)
        : m_port(std::move(port)), m_trace(trace), m_comNr(comNr) {}

    bool Open(const std::string& path, const std::string& settings) override {
        const bool opened = m_port->Open(path, settings);
        m_trace.Opened(m_comNr, path, settings, opened ? "" : m_port->ErrorDescription());
        return opened;
    }
    void Close() override {
        m_port->Close();
        m_trace.Flush();
    }
    bool IsOpen() const override { return m_port->IsOpen(); }
    bool Write(std::string_view bytes) override {
        const bool written = m_port->Write(bytes);
        m_trace.Sent(m_comNr, bytes, written ? "" : m_port->ErrorDescription());
        return written;
    }
    SerialWait WaitTransmitted(double timeoutSeconds) override {
        return m_port->WaitTransmitted(timeoutSeconds);
    }
    std::size_t BytesWaiting() override { return m_port->BytesWaiting(); }
    std::string ReadAll() override {
        std::string bytes = m_port->ReadAll();
        m_trace.Received(m_comNr, bytes);
        return bytes;
    }
    SerialWait WaitReadable(double timeoutSeconds) override {
        return m_port->WaitReadable(timeoutSeconds);
    }
    double CharacterSeconds() const override { return m_port->CharacterSeconds(); }
    std::string ErrorDescription() const override { return m_port->ErrorDescription(); }
    OpenFault LastOpenFault() const override { return m_port->LastOpenFault(); }

private:
    std::unique_ptr<SerialPort> m_port;
    ByteTrace& m_trace;
    int m_comNr;
};

} // namespace

ByteTrace::ByteTrace(std::uintmax_t maxFileBytes) : m_maxFileBytes(maxFileBytes) {}

ByteTrace::~ByteTrace() {
    Flush();
}

std::string ByteTrace::setFile(const std::string& path) {
    Flush();
    m_file = path;
    m_failure.clear();
    if (m_file.empty())
        return "";
    m_fileBytes = FileSize(m_file);
    const DateTime now = Platform::Clocks().Now();
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", now.year, now.month, now.day);
    AddLine(Stamp() + " -- " + TrArgs(Tr("ByteTrace", "Mitschnitt beginnt am %1"), {date}));
    Flush();
    return m_failure;
}

std::unique_ptr<SerialPort> ByteTrace::Watch(std::unique_ptr<SerialPort> port, int comNr) {
    return std::make_unique<TracedPort>(std::move(port), *this, comNr);
}

void ByteTrace::Opened(int comNr, std::string_view path, std::string_view settings,
                       std::string_view failure) {
    if (m_file.empty())
        return;
    EndReceivedLine();
    std::string line = Stamp() + " COM" + std::to_string(comNr);
    if (!path.empty())
        line += " = " + EscapedText(path, kQuotedPathBytes) + " " + EscapedText(settings);
    if (!failure.empty())
        line += " ! " + EscapedText(failure, kQuotedPathBytes);
    AddLine(line);
}

void ByteTrace::Sent(int comNr, std::string_view bytes, std::string_view failure) {
    if (m_file.empty())
        return;
    EndReceivedLine();
    const std::string head = Stamp() + " COM" + std::to_string(comNr) + " > ";
    for (std::size_t at = 0; at < bytes.size() && !m_file.empty(); at += kBytesPerLine)
        AddLine(head + Dump(bytes.substr(at, kBytesPerLine)) +
                (failure.empty() ? "" : " ! " + EscapedText(failure, kQuotedPathBytes)));
}

void ByteTrace::Received(int comNr, std::string_view bytes) {
    if (m_file.empty() || bytes.empty())
        return;
    if (comNr != m_receivedPort)
        EndReceivedLine();
    while (!bytes.empty() && !m_file.empty()) {
        if (m_received.empty()) {
            m_receivedPort = comNr;
            m_receivedStamp = Stamp();
        }
        const std::size_t room = kBytesPerLine - m_received.size();
        m_received += bytes.substr(0, room);
        bytes.remove_prefix(std::min(room, bytes.size()));
        if (m_received.size() == kBytesPerLine)
            EndReceivedLine();
    }
}

void ByteTrace::EndReceivedLine() {
    if (m_received.empty())
        return;
    const std::string line =
        m_receivedStamp + " COM" + std::to_string(m_receivedPort) + " < " + Dump(m_received);
    m_received.clear();
    m_receivedPort = 0;
    AddLine(line);
}

void ByteTrace::AddLine(const std::string& line) {
    if (m_file.empty())
        return;
    if (m_fileBytes + line.size() + 1 + kNoteRoom > m_maxFileBytes) {
        const std::string note = TrArgs(
            Tr("ByteTrace", "Mitschnitt beendet: die Datei hat ihre Grenze von %1 Bytes erreicht."),
            {std::to_string(m_maxFileBytes)});
        const std::string noteLine = Stamp() + " -- " + note + "\n";
        if (m_fileBytes + noteLine.size() <= m_maxFileBytes) // not again after a former stop
            m_lines += noteLine;
        Flush();
        if (!m_file.empty()) { // else the failed write tells its own reason
            m_file.clear();
            m_failure = note;
        }
        return;
    }
    m_lines += line + "\n";
    m_fileBytes += line.size() + 1;
    if (m_lines.size() > kPendingBytes)
        Flush();
}

void ByteTrace::Flush() {
    EndReceivedLine();
    if (m_lines.empty() || m_file.empty())
        return;
    const FileResult<> written = AppendToFile(m_file, "", m_lines);
    m_lines.clear();
    if (!written) {
        m_failure = written.Failure();
        m_file.clear();
        m_received.clear();
    }
}

std::string ByteTrace::Stamp() const {
    const DateTime now = Platform::Clocks().Now();
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d", now.hour, now.minute, now.second,
                  now.millisecond);
    return stamp;
}
