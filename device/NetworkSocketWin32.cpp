#include "base/Platform.h"
#include "base/Translation.h"
#include "base/WideText.h"
#include "device/NetworkSocket.h"

#include <algorithm>
#include <winsock2.h>
#include <ws2tcpip.h>

namespace {

constexpr double kEventSliceS = 0.008; ///< longest wait between two event runs while connecting

double Now() {
    return Platform::Clocks().MonotonicSeconds();
}

int Milliseconds(double seconds) {
    return static_cast<int>(std::max(seconds, 0.0) * 1000.0 + 0.5);
}

/// The system's text for a Winsock error, without the closing full stop.
std::string SystemMessage(int error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return message.empty() ? TrArgs(Tr("SerialPort", "Fehler %1"), {std::to_string(error)})
                           : WideToUtf8(message);
}

/// Winsock is started once for the program's lifetime.
bool WinsockReady() {
    static const bool ready = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return ready;
}

/// A TCP socket through Winsock, non-blocking throughout.
class NetworkSocketWin32 final : public NetworkSocket {
public:
    ~NetworkSocketWin32() override { Close(); }

    ConnectResult Connect(const std::string& host, int port, double timeoutSeconds) override;
    void Close() override;
    bool IsOpen() const override { return m_socket != INVALID_SOCKET; }
    bool Send(std::string_view bytes, double timeoutSeconds) override;
    bool Receive(std::string& received, std::size_t maxBytes) override;
    bool WaitReadable(double timeoutSeconds) override;
    std::string Reason() const override { return m_reason; }

private:
    ConnectResult Fail(int error);
    ConnectResult ConnectTo(const addrinfo& address, double deadline);
    short PollFor(short events, double timeoutSeconds) const;

    SOCKET m_socket = INVALID_SOCKET;
    std::string m_reason;
};

NetworkSocket::ConnectResult NetworkSocketWin32::Fail(int error) {
    m_reason = SystemMessage(error);
    Close();
    return error == WSAECONNREFUSED ? ConnectResult::Refused : ConnectResult::Failed;
}

NetworkSocket::ConnectResult NetworkSocketWin32::Connect(const std::string& host, int port,
                                                         double timeoutSeconds) {
    Close();
    if (!WinsockReady())
        return Fail(WSASYSNOTREADY);
    const double deadline = Now() + timeoutSeconds;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = AI_NUMERICHOST; // an address needs no lookup
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        // Winsock offers no lookup that can be given up here: the name's lookup waits as long
        // as the resolver takes, and one that took longer than the limit is named as the cause.
        hints.ai_flags = 0;
        if (const int error =
                getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
            error != 0)
            return Fail(error);
        if (Now() >= deadline) {
            freeaddrinfo(found);
            m_reason = Tr("SerialPort", "die Namensauflösung hat nicht rechtzeitig geantwortet");
            return ConnectResult::Failed;
        }
    }
    ConnectResult result = ConnectResult::Failed;
    for (const addrinfo* address = found; address; address = address->ai_next) {
        result = ConnectTo(*address, deadline);
        if (result != ConnectResult::Failed || Now() >= deadline)
            break;
    }
    freeaddrinfo(found);
    return result;
}

NetworkSocket::ConnectResult NetworkSocketWin32::ConnectTo(const addrinfo& address,
                                                           double deadline) {
    m_socket = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
    if (m_socket == INVALID_SOCKET)
        return Fail(WSAGetLastError());
    u_long nonBlocking = 1;
    ioctlsocket(m_socket, FIONBIO, &nonBlocking);
    // Commands are a few bytes each: send them at once instead of gathering.
    const BOOL on = TRUE;
    setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    if (connect(m_socket, address.ai_addr, static_cast<int>(address.ai_addrlen)) != 0 &&
        WSAGetLastError() != WSAEWOULDBLOCK)
        return Fail(WSAGetLastError());
    for (;;) {
        // A refused connection shows as an error event, not as writable.
        if (PollFor(POLLWRNORM, std::min(kEventSliceS, deadline - Now())) != 0)
            break;
        if (Now() >= deadline)
            return Fail(WSAETIMEDOUT);
        DoEvents();
    }
    int error = 0;
    int size = sizeof error;
    if (getsockopt(m_socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0)
        error = WSAGetLastError();
    return error == 0 ? ConnectResult::Connected : Fail(error);
}

void NetworkSocketWin32::Close() {
    if (m_socket != INVALID_SOCKET)
        closesocket(m_socket);
    m_socket = INVALID_SOCKET;
}

short NetworkSocketWin32::PollFor(short events, double timeoutSeconds) const {
    WSAPOLLFD entry{m_socket, events, 0};
    return WSAPoll(&entry, 1, Milliseconds(timeoutSeconds)) > 0 ? entry.revents : 0;
}

bool NetworkSocketWin32::Send(std::string_view bytes, double timeoutSeconds) {
    const double deadline = Now() + timeoutSeconds;
    while (m_socket != INVALID_SOCKET && !bytes.empty()) {
        const int sent = send(m_socket, bytes.data(), static_cast<int>(bytes.size()), 0);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (WSAGetLastError() != WSAEWOULDBLOCK) {
            m_reason = SystemMessage(WSAGetLastError());
            return false;
        } else if (Now() > deadline) {
            m_reason = SystemMessage(WSAETIMEDOUT);
            return false;
        } else {
            PollFor(POLLWRNORM, deadline - Now());
        }
    }
    return m_socket != INVALID_SOCKET;
}

bool NetworkSocketWin32::Receive(std::string& received, std::size_t maxBytes) {
    char chunk[4096];
    while (m_socket != INVALID_SOCKET && maxBytes > 0) {
        const int got =
            recv(m_socket, chunk, static_cast<int>(std::min(sizeof chunk, maxBytes)), 0);
        if (got > 0) {
            received.append(chunk, static_cast<std::size_t>(got));
            maxBytes -= static_cast<std::size_t>(got);
        } else if (got < 0 && WSAGetLastError() == WSAEWOULDBLOCK) {
            return true;
        } else {
            m_reason = got == 0 ? "" : SystemMessage(WSAGetLastError());
            return false;
        }
    }
    return m_socket != INVALID_SOCKET;
}

bool NetworkSocketWin32::WaitReadable(double timeoutSeconds) {
    return m_socket != INVALID_SOCKET && PollFor(POLLRDNORM, timeoutSeconds) != 0;
}

} // namespace

std::unique_ptr<NetworkSocket> MakeNetworkSocket() {
    return std::make_unique<NetworkSocketWin32>();
}
