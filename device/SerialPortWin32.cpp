#include "base/Platform.h"
#include "base/Translation.h"
#include "base/WideText.h"
#include "device/BufferedSerialPort.h"
#include "device/SerialPortTexts.h"
#include "device/SerialSettings.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <windows.h>

namespace {

using namespace SerialPortTexts;

constexpr DWORD kWriteGraceMs = 1000; ///< beyond the line time, for a driver without room

double Now() {
    return Platform::Clocks().MonotonicSeconds();
}

DWORD Milliseconds(double seconds) {
    return static_cast<DWORD>(std::clamp(std::ceil(seconds * 1000.0), 1.0, 86400000.0));
}

/// "COM12" is reached as "\\.\COM12" (the short form only works up to COM9).
std::wstring DeviceName(const std::string& path) {
    const bool bareName = path.find_first_of("\\/:") == std::string::npos;
    return Utf8ToWide(bareName ? "\\\\.\\" + path : path);
}

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message.empty() ? TrArgs(Tr("SerialPort", "Fehler %1."), {std::to_string(error)})
                           : WideToUtf8(message);
}

OpenFault FaultOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
        return OpenFault::NotPresent;
    case ERROR_ACCESS_DENIED: // what another program's open port gives
    case ERROR_SHARING_VIOLATION:
        return OpenFault::InUse;
    default:
        return OpenFault::Other;
    }
}

std::string OpenFailure(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
        return NotPresent();
    case ERROR_ACCESS_DENIED: // what another program's open port gives
    case ERROR_SHARING_VIOLATION:
        return InUse();
    default:
        return CannotOpen(SystemMessage(error));
    }
}

BYTE ParityOf(char parity) {
    switch (parity) {
    case 'e':
        return EVENPARITY;
    case 'o':
        return ODDPARITY;
    case 'm':
        return MARKPARITY;
    case 's':
        return SPACEPARITY;
    default:
        return NOPARITY;
    }
}

BYTE StopBitsOf(const SerialSettings& settings) {
    if (settings.stopBits == 1)
        return ONESTOPBIT;
    return settings.dataBits == 5 ? ONE5STOPBITS : TWOSTOPBITS;
}

/// A serial port through the Win32 communications API. Waits are ReadFile calls bounded by
/// COMMTIMEOUTS, not WaitCommEvent, which not every driver (nor wine on a pseudo-terminal)
/// offers.
class SerialPortWin32 final : public BufferedSerialPort {
public:
    ~SerialPortWin32() override { Close(); }

    bool Open(const std::string& path, const std::string& settings) override;
    void Close() override;
    bool IsOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }
    bool Write(std::string_view bytes) override;
    SerialWait WaitTransmitted(double timeoutSeconds) override;

private:
    bool Configure(const SerialSettings& settings);
    /// Read time-out of the next ReadFile: it returns at the first byte or after `ms`.
    bool SetReadTimeout(DWORD ms);
    void TakeIn() override;
    SerialWait WaitForBytes(double timeoutSeconds) override;
    /// Reads what arrives within the read time-out; false after a failure of the line.
    bool ReadChunk();

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    DWORD m_readTimeoutMs = 0;
};

bool SerialPortWin32::Open(const std::string& path, const std::string& settings) {
    Close();
    m_openFault = OpenFault::Other;
    const auto parsed = SerialSettings::Parse(settings);
    if (!parsed)
        return Fail(BadSettings());
    // No sharing: a second opener, in this program or another, is refused.
    m_handle = CreateFileW(DeviceName(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_openFault = FaultOf(error);
        return Fail(OpenFailure(error));
    }
    if (GetFileType(m_handle) != FILE_TYPE_CHAR)
        Fail(NoSerialPort());
    else if (Configure(*parsed))
        m_error.clear();
    if (!m_error.empty()) {
        Close();
        return false;
    }
    // Best effort: the device does not need DTR, and a pseudo-terminal has no modem lines.
    EscapeCommFunction(m_handle, CLRDTR);
    PurgeComm(m_handle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
    m_openFault = OpenFault::None;
    return true;
}

bool SerialPortWin32::Configure(const SerialSettings& settings) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(m_handle, &dcb))
        return Fail(NoSerialPort());
    dcb.BaudRate = static_cast<DWORD>(settings.baud);
    dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
    dcb.Parity = ParityOf(settings.parity);
    dcb.StopBits = StopBitsOf(settings);
    dcb.fBinary = TRUE;
    dcb.fParity = settings.parity != 'n';
    dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fOutX = dcb.fInX = dcb.fErrorChar = dcb.fNull = dcb.fAbortOnError = FALSE;
    if (!SetCommState(m_handle, &dcb))
        return Fail(SettingsRefused());
    m_characterSeconds = settings.CharacterSeconds();
    m_readTimeoutMs = 0;
    return SetReadTimeout(1) || Fail(SettingsRefused());
}

bool SerialPortWin32::SetReadTimeout(DWORD ms) {
    if (ms == m_readTimeoutMs)
        return true;
    // MAXDWORD interval and multiplier: ReadFile returns as soon as one byte is there.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = ms;
    timeouts.WriteTotalTimeoutMultiplier = Milliseconds(m_characterSeconds);
    timeouts.WriteTotalTimeoutConstant = kWriteGraceMs;
    if (!SetCommTimeouts(m_handle, &timeouts))
        return false;
    m_readTimeoutMs = ms;
    return true;
}

void SerialPortWin32::Close() {
    if (m_handle == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    ResetLine();
}

bool SerialPortWin32::Write(std::string_view bytes) {
    if (!Usable())
        return false;
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr)) {
            HangUp();
            return false;
        }
        if (written == 0) // the write time-out: line time plus the grace passed
            return Fail(WriteStuck());
        bytes.remove_prefix(written);
    }
    return true;
}

SerialWait SerialPortWin32::WaitTransmitted(double timeoutSeconds) {
    if (!Usable())
        return SerialWait::Failed;
    const double deadline = Now() + timeoutSeconds;
    for (;;) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(m_handle, &errors, &status))
            return HangUp();
        if (status.cbOutQue == 0)
            return SerialWait::Done;
        const double left = deadline - Now();
        if (left <= 0)
            return SerialWait::Timeout;
        // No event tells "queue empty": sleep for the queued bytes' line time.
        Sleep(Milliseconds(std::min(left, status.cbOutQue * m_characterSeconds)));
    }
}

bool SerialPortWin32::ReadChunk() {
    char chunk[kReceiveLimit];
    DWORD got = 0;
    const auto room = static_cast<DWORD>(Room());
    if (room > 0 && !ReadFile(m_handle, chunk, room, &got, nullptr)) {
        HangUp();
        return false;
    }
    Receive({chunk, got});
    return true;
}

void SerialPortWin32::TakeIn() {
    DWORD errors = 0;
    COMSTAT status{};
    // Only what the driver already holds, so that ReadFile returns at once.
    while (Room() > 0 && ClearCommError(m_handle, &errors, &status) && status.cbInQue > 0)
        if (!ReadChunk())
            return;
}

SerialWait SerialPortWin32::WaitForBytes(double timeoutSeconds) {
    if (!SetReadTimeout(Milliseconds(timeoutSeconds)))
        return HangUp();
    const std::size_t before = Received();
    if (!ReadChunk())
        return SerialWait::Failed;
    return Received() > before ? SerialWait::Done : SerialWait::Timeout;
}

} // namespace

std::unique_ptr<SerialPort> MakeSystemSerialPort() {
    return std::make_unique<SerialPortWin32>();
}
