#include "base/Platform.h"
#include "base/Translation.h"
#include "device/NetworkSocket.h"
#include "device/PollPosix.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr double kEventSliceS = 0.008; ///< longest wait between two event runs while connecting

double Now() {
    return Platform::Clocks().MonotonicSeconds();
}

/// One name lookup by the system's resolver on a thread of the resolver's own (getaddrinfo_a),
/// so that the wait for it is bounded. It is held by the socket and by the resolver's report
/// of its end; the last one to let go frees it, so that a lookup given up can still finish.
struct NameLookup {
    std::string host;
    std::string service;
    addrinfo hints{};
    gaicb request{};
    std::atomic<int> holders{2};
};

void LetGo(NameLookup* lookup) {
    if (lookup->holders.fetch_sub(1) != 1)
        return;
    if (lookup->request.ar_result)
        ::freeaddrinfo(lookup->request.ar_result);
    delete lookup;
}

void LookupEnded(sigval value) {
    LetGo(static_cast<NameLookup*>(value.sival_ptr));
}

/// A TCP socket through the BSD socket calls, non-blocking throughout.
class NetworkSocketPosix final : public NetworkSocket {
public:
    ~NetworkSocketPosix() override { Close(); }

    ConnectResult Connect(const std::string& host, int port, double timeoutSeconds) override;
    void Close() override;
    bool IsOpen() const override { return m_fd >= 0; }
    bool Send(std::string_view bytes, double timeoutSeconds) override;
    bool Receive(std::string& received, std::size_t maxBytes) override;
    bool WaitReadable(double timeoutSeconds) override;
    std::string Reason() const override { return m_reason; }

private:
    ConnectResult Fail(int error);
    /// The addresses of host:port, nullptr on failure with Reason() set. A numeric address needs
    /// no lookup; a name's lookup counts into the time up to `deadline`.
    addrinfo* Addresses(const std::string& host, int port, double deadline);
    addrinfo* LookUp(const std::string& host, int port, double deadline);
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
    addrinfo* found = Addresses(host, port, deadline);
    if (!found)
        return ConnectResult::Failed;
    ConnectResult result = ConnectResult::Failed;
    for (const addrinfo* address = found; address; address = address->ai_next) {
        result = ConnectTo(*address, deadline);
        if (result != ConnectResult::Failed || Now() >= deadline)
            break;
    }
    ::freeaddrinfo(found);
    return result;
}

addrinfo* NetworkSocketPosix::Addresses(const std::string& host, int port, double deadline) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) == 0)
        return found;
    return LookUp(host, port, deadline);
}

addrinfo* NetworkSocketPosix::LookUp(const std::string& host, int port, double deadline) {
    auto* lookup = new NameLookup{host, std::to_string(port)};
    lookup->hints.ai_family = AF_UNSPEC;
    lookup->hints.ai_socktype = SOCK_STREAM;
    lookup->request.ar_name = lookup->host.c_str();
    lookup->request.ar_service = lookup->service.c_str();
    lookup->request.ar_request = &lookup->hints;
    gaicb* requests[] = {&lookup->request};
    sigevent ended{};
    ended.sigev_notify = SIGEV_THREAD;
    ended.sigev_notify_function = LookupEnded;
    ended.sigev_value.sival_ptr = lookup;
    if (const int error = ::getaddrinfo_a(GAI_NOWAIT, requests, 1, &ended); error != 0) {
        m_reason = ::gai_strerror(error);
        delete lookup;
        return nullptr;
    }
    int state = 0;
    while ((state = ::gai_error(&lookup->request)) == EAI_INPROGRESS && Now() < deadline) {
        const double slice = std::min(kEventSliceS, deadline - Now());
        const timespec wait{0, static_cast<long>(slice * 1e9)};
        ::gai_suspend(requests, 1, &wait);
        DoEvents();
    }
    addrinfo* found = nullptr;
    if (state == 0)
        found = std::exchange(lookup->request.ar_result, nullptr);
    else if (state == EAI_INPROGRESS)
        m_reason = Tr("SerialPort", "die Namensauflösung hat nicht rechtzeitig geantwortet");
    else
        m_reason = ::gai_strerror(state);
    LetGo(lookup);
    return found;
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

bool NetworkSocketPosix::Receive(std::string& received, std::size_t maxBytes) {
    char chunk[4096];
    while (m_fd >= 0 && maxBytes > 0) {
        const ssize_t got = ::recv(m_fd, chunk, std::min(sizeof chunk, maxBytes), 0);
        if (got > 0) {
            received.append(chunk, static_cast<std::size_t>(got));
            maxBytes -= static_cast<std::size_t>(got);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;
        } else {
            m_reason = got == 0 ? "" : std::strerror(errno);
            return false;
        }
    }
    return m_fd >= 0;
}

bool NetworkSocketPosix::WaitReadable(double timeoutSeconds) {
    return m_fd >= 0 && PollFor(POLLIN, timeoutSeconds) != 0;
}

} // namespace

std::unique_ptr<NetworkSocket> MakeNetworkSocket() {
    return std::make_unique<NetworkSocketPosix>();
}
