#include "support/Ser2net.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <netinet/in.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

/// Whether /proc/net/tcp has a socket listening on 127.0.0.1:port (state 0A, no peer).
bool ListensOn(int port) {
    char wanted[40];
    std::snprintf(wanted, sizeof wanted, " 0100007F:%04X 00000000:0000 0A ", port);
    std::ifstream table("/proc/net/tcp");
    return std::string(std::istreambuf_iterator<char>(table), {}).find(wanted) != std::string::npos;
}

} // namespace

int Ser2net::FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("Kein freier Port auf 127.0.0.1.");
    ::close(fd);
    return ntohs(address.sin_port);
}

Ser2net::Ser2net(const std::string& devicePath, const std::string& folder)
    : m_rawPort(FreePort()), m_rfc2217Port(FreePort()), m_log(folder + "/ser2net.log") {
    while (m_rfc2217Port == m_rawPort)
        m_rfc2217Port = FreePort();
    const std::string config = folder + "/ser2net.yaml";
    // Without chardelay, ser2net passes each byte on at once instead of gathering a few.
    const std::string connector = "    connector: serialdev," + devicePath +
                                  ",19200n81,local\n    options:\n      chardelay: false\n";
    std::ofstream(config) << "connection: &raw\n    accepter: tcp,127.0.0.1," << m_rawPort << '\n'
                          << connector << "connection: &rfc2217\n"
                          << "    accepter: telnet(rfc2217),tcp,127.0.0.1," << m_rfc2217Port << '\n'
                          << connector;
    // In /usr/sbin, which an ordinary user's PATH may lack. -u: no UUCP lock files, which an
    // ordinary user may not create.
    if (::access("/usr/sbin/ser2net", X_OK) != 0)
        throw std::runtime_error("ser2net fehlt (scripts/install-deps.sh installiert es).");
    std::string script =
        "exec /usr/sbin/ser2net -n -d -u -c '" + config + "' >'" + m_log + "' 2>&1";
    char shell[] = "/bin/sh", option[] = "-c";
    char* argv[] = {shell, option, script.data(), nullptr};
    if (::posix_spawn(&m_pid, argv[0], nullptr, nullptr, argv, environ) != 0)
        throw std::runtime_error("ser2net startet nicht.");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!ListensOn(m_rawPort) || !ListensOn(m_rfc2217Port)) {
        if (std::chrono::steady_clock::now() > deadline ||
            ::waitpid(m_pid, nullptr, WNOHANG) != 0) {
            Kill();
            std::ifstream log(m_log);
            throw std::runtime_error("ser2net lauscht nicht: " +
                                     std::string(std::istreambuf_iterator<char>(log), {}));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

Ser2net::~Ser2net() {
    Kill();
}

void Ser2net::Kill() {
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}
