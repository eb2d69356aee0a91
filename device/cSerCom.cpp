#include "device/cSerCom.h"

#include "base/Platform.h"
#include "base/Text.h"
#include "base/Translation.h"
#include "device/DeviceProtocol.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

using DeviceProtocol::Frame;

constexpr double kEventSliceS = 0.008;    ///< longest wait between two event runs (10 ms promised)
constexpr double kTransmitGraceS = 1.0;   ///< beyond a command's line time, to empty the queue
constexpr double kFlushQuietS = 0.02;     ///< a line this long without a byte counts as flushed
constexpr char kReadEepromCommand = 'c';  ///< "c", address high, low → 1 byte: the EEPROM byte
constexpr char kWriteEepromCommand = 'L'; ///< "L", address high, low, value → 1 byte: stored byte
constexpr char kSeriesCommand = 'B';      ///< "B", mark byte → 1 byte, not evaluated
constexpr char kReadFlashCommand = 's';   ///< "s", address high, low → 1 byte: the flash byte
constexpr std::int32_t kAddressCount = 65536; ///< addresses travel as two bytes

double Now() {
    return Platform::Clocks().MonotonicSeconds();
}

void CheckAddresses(std::int32_t first, std::int32_t count, const char* what) {
    if (first < 0 || first + count > kAddressCount)
        throw std::out_of_range(TrArgs(Tr("cSerCom", "%1-Adresse außerhalb 0 bis 65535."), {what}));
}

/// Up to `count` bytes, least significant first.
std::uint32_t LittleEndian(std::string_view bytes, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < std::min(count, bytes.size()); ++k)
        value |= std::uint32_t{static_cast<unsigned char>(bytes[k])} << (8 * k);
    return value;
}

} // namespace

/// Marks the channel busy for the lifetime of one public operation, and writes its trace at its
/// end.
class cSerCom::BusyScope {
public:
    BusyScope(bool& busy, ByteTrace& trace) : m_busy(busy), m_trace(trace) { m_busy = true; }
    ~BusyScope() {
        m_busy = false;
        m_trace.Flush();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
    ByteTrace& m_trace;
};

cSerCom::cSerCom() {
    for (std::size_t i = 0; i < m_ports.size(); ++i)
        m_ports[i] = m_trace.Watch(MakeSerialPort(), static_cast<int>(i + 1));
}

cSerCom::~cSerCom() {
    for (auto& port : m_ports)
        port->Close();
}

std::int16_t cSerCom::OpenCom(std::int16_t comNr, const std::string& conSettings) {
    return m_busy ? 0 : Open(comNr, conSettings);
}

std::int16_t cSerCom::CloseCom(std::int16_t comNr) {
    return m_busy ? 0 : Close(comNr);
}

std::int16_t cSerCom::Open(std::int16_t comNr, const std::string& settings) {
    m_current = 0;
    m_lateAnswerDue = false;
    if (!ValidPort(comNr) || !Port(comNr).Open(m_names.PortPath(comNr), settings))
        return 0;
    m_current = comNr;
    return comNr;
}

std::int16_t cSerCom::Close(std::int16_t comNr) {
    if (!ValidPort(comNr))
        return 0;
    Port(comNr).Close();
    m_current = 0;
    return comNr;
}

std::string cSerCom::GetStatus(std::int16_t comNr) {
    if (!ValidPort(comNr))
        return Tr("cSerCom", "Ungültige Schnittstellennummer.");
    SerialPort& port = Port(comNr);
    if (port.IsOpen())
        return Tr("cSerCom", "Schnittstelle bereits geöffnet.");
    if (!port.Open(m_names.PortPath(comNr), DeviceProtocol::kLineSettings))
        return port.ErrorDescription();
    port.Close();
    return Tr("cSerCom", "Anschluß vorhanden.");
}

std::string cSerCom::OpenError(std::int16_t comNr) const {
    return ValidPort(comNr) ? m_ports[comNr - 1]->ErrorDescription() : "";
}

OpenFault cSerCom::OpenFaultOf(std::int16_t comNr) const {
    return ValidPort(comNr) ? m_ports[comNr - 1]->LastOpenFault() : OpenFault::NotPresent;
}

ConnectResult cSerCom::Connect(std::int16_t conPort, std::string_view conCommand,
                               std::string_view conReturn, const std::string& conSettings,
                               double conTimeout) {
    if (m_busy)
        return {};
    BusyScope scope(m_busy, m_trace);
    if (Open(conPort, conSettings) != conPort)
        return {ConnectResult::kNotOpened, OpenFaultOf(conPort)};
    // A failed exchange leaves the buffer as it was: an earlier answer must not count.
    m_buffer.clear();
    if (Exchange(conCommand, -1, conTimeout) > 0 && ContainsIgnoringCase(m_buffer, conReturn))
        return {ConnectResult::kAnswered, OpenFault::None, conPort};
    Close(conPort);
    return {m_buffer.empty() ? ConnectResult::kNoAnswer : ConnectResult::kWrongAnswer};
}

std::int16_t cSerCom::Command(std::string_view command, std::int16_t expectedLength,
                              double timeoutSeconds) {
    if (m_busy)
        return 0;
    BusyScope scope(m_busy, m_trace);
    return Exchange(command, expectedLength, timeoutSeconds);
}

bool cSerCom::LineAlive() {
    if (m_busy)
        return true;
    if (!ValidPort(m_current))
        return false;
    SerialPort& port = Port(m_current);
    return port.IsOpen() && port.WaitReadable(0) != SerialWait::Failed;
}

std::int16_t cSerCom::Exchange(std::string_view command, std::int16_t expectedLength,
                               double timeoutSeconds) {
    if (!ValidPort(m_current))
        return 0;
    SerialPort& port = Port(m_current);
    port.ReadAll(); // stale bytes from an earlier, abandoned answer
    if (!Transmit(port, command))
        return 0;
    m_buffer.clear();
    if (expectedLength < 0)
        return ReceiveText(port, timeoutSeconds);
    return ReceiveFixed(port, static_cast<std::size_t>(expectedLength), timeoutSeconds);
}

bool cSerCom::Transmit(SerialPort& port, std::string_view command) {
    if (!port.Write(command))
        return false;
    // Bounded, so that a vanished USB adapter cannot hold the program here.
    const double deadline = Now() + command.size() * port.CharacterSeconds() + kTransmitGraceS;
    for (;;) {
        const SerialWait wait = port.WaitTransmitted(std::min(kEventSliceS, deadline - Now()));
        if (wait != SerialWait::Timeout)
            return wait == SerialWait::Done;
        if (Now() > deadline)
            return false;
        DoEvents();
    }
}

std::int16_t cSerCom::ReceiveText(SerialPort& port, double timeoutSeconds) {
    const double deadline = Now() + timeoutSeconds;
    std::string text;
    for (;;) {
        DoEvents();
        text += port.ReadAll();
        const std::size_t zero = text.find('\0');
        if (std::min(zero, text.size()) > kTextLimit) {
            m_buffer = text.substr(0, kTextLimit);
            return Discard(port, deadline);
        }
        if (zero != std::string::npos && zero + 1 < text.size())
            return Discard(port, deadline); // bytes after the closing zero byte
        if (zero != std::string::npos)
            break;
        const double left = deadline - Now();
        if (left < 0)
            break;
        if (port.WaitReadable(std::min(left, kEventSliceS)) == SerialWait::Failed)
            return 0;
    }
    if (text.empty())
        return 0;
    if (text.back() != '\0')
        m_lateAnswerDue = true; // the rest of the text may still come
    else if (!SettledAfterLateAnswer(port))
        return Discard(port, deadline);
    text.pop_back(); // the closing zero byte, or after a time-out the last byte received
    m_buffer = std::move(text);
    return BufferLength();
}

std::int16_t cSerCom::ReceiveFixed(SerialPort& port, std::size_t expectedLength,
                                   double timeoutSeconds) {
    const double deadline = Now() + timeoutSeconds;
    for (;;) {
        DoEvents();
        const std::size_t waiting = port.BytesWaiting();
        if (waiting > expectedLength)
            return Discard(port, deadline);
        if (waiting == expectedLength || Now() > deadline)
            break;
        if (port.WaitReadable(std::min(deadline - Now(), kEventSliceS)) == SerialWait::Failed)
            return 0;
    }
    std::string answer = port.ReadAll();
    if (answer.size() > expectedLength) // more came in since the count
        return Discard(port, deadline);
    if (answer.size() < expectedLength)
        m_lateAnswerDue = true;
    else if (!SettledAfterLateAnswer(port))
        return Discard(port, deadline);
    m_buffer = std::move(answer);
    return BufferLength();
}

bool cSerCom::SettledAfterLateAnswer(SerialPort& port) {
    if (!std::exchange(m_lateAnswerDue, false))
        return true;
    // The device answers in order: the answer of an exchange that timed out may have come just
    // now, and this exchange's own answer then follows at once.
    const double until = Now() + kFlushQuietS;
    for (double left = kFlushQuietS; left > 0; left = until - Now()) {
        const SerialWait wait = port.WaitReadable(std::min(left, kEventSliceS));
        if (wait == SerialWait::Done)
            return false;
        if (wait == SerialWait::Failed)
            return true; // the next exchange meets the hang-up
        DoEvents();
    }
    return true;
}

std::int16_t cSerCom::Discard(SerialPort& port, double deadline) {
    port.ReadAll();
    double quietUntil = std::min(Now() + kFlushQuietS, deadline);
    while (Now() < quietUntil) {
        if (port.WaitReadable(std::min(quietUntil - Now(), kEventSliceS)) == SerialWait::Failed)
            break;
        if (!port.ReadAll().empty())
            quietUntil = std::min(Now() + kFlushQuietS, deadline);
        DoEvents();
    }
    return 0;
}

std::int16_t cSerCom::BufferLength() const {
    return static_cast<std::int16_t>(std::min<std::size_t>(m_buffer.size(), INT16_MAX));
}

void cSerCom::MarkSeries(std::uint8_t mark) {
    const char command[] = {kSeriesCommand, static_cast<char>(mark)};
    Command(std::string_view(command, 2), 1, kByteTimeoutS);
}

std::int16_t cSerCom::ReadEEPROM(std::int32_t adress, std::uint8_t size) {
    if (m_busy)
        return 0;
    CheckAddresses(adress, size, "EEPROM");
    BusyScope scope(m_busy, m_trace);
    m_buffer.clear();
    std::string bytes;
    std::int16_t result = 0;
    for (int i = 1; i <= size; ++i, ++adress) {
        if (Exchange(Frame(kReadEepromCommand, adress), 1, kByteTimeoutS) != 1) {
            result = 0;
            break;
        }
        bytes += m_buffer;
        result = static_cast<std::int16_t>(i);
    }
    m_buffer = std::move(bytes);
    return result;
}

std::int16_t cSerCom::WriteEEPROM(std::int32_t adress, std::uint8_t size, std::int32_t value) {
    if (m_busy)
        return 0;
    CheckAddresses(adress, size, "EEPROM");
    BusyScope scope(m_busy, m_trace);
    for (int i = 1; i <= size; ++i, ++adress) {
        const auto byte = static_cast<char>(value & 0xFF);
        if (Exchange(Frame(kWriteEepromCommand, adress) + byte, 1, kByteTimeoutS) != 1 ||
            m_buffer.front() != byte)
            return 0;
        value >>= 8; // arithmetic shift: a negative value goes on with FF bytes
    }
    return size;
}

std::int16_t cSerCom::ReadFLASH(std::int32_t adress) {
    if (m_busy)
        return 0;
    CheckAddresses(adress, 1, "Flash");
    BusyScope scope(m_busy, m_trace);
    m_buffer.clear();
    return Exchange(Frame(kReadFlashCommand, adress), 1, kByteTimeoutS);
}

std::uint8_t cSerCom::getBufferByte() const {
    return static_cast<std::uint8_t>(LittleEndian(m_buffer, 1));
}

std::int32_t cSerCom::getBufferLong() const {
    return static_cast<std::int32_t>(LittleEndian(m_buffer, 4));
}

std::int16_t cSerCom::getBufferInt() const {
    return static_cast<std::int16_t>(LittleEndian(m_buffer, 2));
}
