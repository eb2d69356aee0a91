#include "base/Platform.h"
#include "device/NetworkSocket.h"
#include "device/PollPosix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr double kEventSliceS = 0.008; ///< longest wait between two event runs while connecting

double Now() {
    return Platform::Clocks().MonotonicSeconds();
}

/// A TCP socket through the BSD socket calls, non-blocking throughout.
class NetworkSocketPosix final : public NetworkSocket {
public:
    ~NetworkSocketPosix() override { Close(); }

    ConnectResult Connect(const std::string& host, int port, double timeoutSeconds) override;
    void Close() override;
    bool IsOpen() const override { return m_fd >= 0; }
    bool Send(std::string_view bytes, double timeoutSeconds) override;
    bool Receive(std::string& received) override;
    bool WaitReadable(double timeoutSeconds) override;
    std::string Reason() const override { return m_reason; }

private:
    ConnectResult Fail(int error);
    ConnectResult ConnectTo(const addrinfo& address, double deadline);
    short PollFor(short events, double timeoutSeconds) const;

    int m_fd = -1;
    std::string m_reason;
};

NetworkSocket::ConnectResult NetworkSocketPosix::Fail(int error) {
    m_reason = std::strerror(error);
    Close();
    return error == ECONNREFUSED ? ConnectResult::Refused : ConnectResult::Failed;
}

NetworkSocket::ConnectResult NetworkSocketPosix::Connect(const std::string& host, int port,
                                                         double timeoutSeconds) {
    Close();
    const double deadline = Now() + timeoutSeconds;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int error = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
        error != 0) {
        m_reason = ::gai_strerror(error);
        return ConnectResult::Failed;
    }
    ConnectResult result = ConnectResult::Failed;
    for (const addrinfo* address = found; address; address = address->ai_next) {
        result = ConnectTo(*address, deadline);
        if (result != ConnectResult::Failed || Now() >= deadline)
            break;
    }
    ::freeaddrinfo(found);
    return result;
}

NetworkSocket::ConnectResult NetworkSocketPosix::ConnectTo(const addrinfo& address,
                                                           double deadline) {
    m_fd = ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                    address.ai_protocol);
    if (m_fd < 0)
        return Fail(errno);
    // Commands are a few bytes each: send them at once instead of gathering.
    const int on = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (::connect(m_fd, address.ai_addr, address.ai_addrlen) != 0 && errno != EINPROGRESS)
        return Fail(errno);
    for (;;) {
        if (PollFor(POLLOUT, std::min(kEventSliceS, deadline - Now())) != 0)
            break;
        if (Now() >= deadline)
            return Fail(ETIMEDOUT);
        DoEvents();
    }
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
        error = errno;
    return error == 0 ? ConnectResult::Connected : Fail(error);
}

void NetworkSocketPosix::Close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

short NetworkSocketPosix::PollFor(short events, double timeoutSeconds) const {
    return PollDescriptor(m_fd, events, timeoutSeconds);
}

bool NetworkSocketPosix::Send(std::string_view bytes, double timeoutSeconds) {
    const double deadline = Now() + timeoutSeconds;
    while (m_fd >= 0 && !bytes.empty()) {
        const ssize_t sent = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && errno != EAGAIN && errno != EINTR) {
            m_reason = std::strerror(errno);
            return false;
        } else if (Now() > deadline) {
            m_reason = std::strerror(ETIMEDOUT);
            return false;
        } else {
            PollFor(POLLOUT, deadline - Now());
        }
    }
    return m_fd >= 0;
}

bool NetworkSocketPosix::Receive(std::string& received) {
    char chunk[4096];
    while (m_fd >= 0) {
        const ssize_t got = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (got > 0) {
            received.append(chunk, static_cast<std::size_t>(got));
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;
        } else {
            m_reason = got == 0 ? "" : std::strerror(errno);
            return false;
        }
    }
    return false;
}

bool NetworkSocketPosix::WaitReadable(double timeoutSeconds) {
    return m_fd >= 0 && PollFor(POLLIN, timeoutSeconds) != 0;
}

} // namespace

std::unique_ptr<NetworkSocket> MakeNetworkSocket() {
    return std::make_unique<NetworkSocketPosix>();
}
