#pragma once

#include <string>
#include <sys/types.h>

/// A ser2net serving one device file on two loopback ports chosen free: raw TCP and Telnet with
/// RFC 2217. Runs in the foreground with a configuration of its own in `folder` (its log beside
/// it) until the object ends. Throws std::runtime_error when ser2net is missing or does not
/// listen within 5 s, so that a test without it fails.
class Ser2net {
public:
    Ser2net(const std::string& devicePath, const std::string& folder);
    ~Ser2net();
    Ser2net(const Ser2net&) = delete;
    Ser2net& operator=(const Ser2net&) = delete;

    std::string RawAddress() const { return "tcp://127.0.0.1:" + std::to_string(m_rawPort); }
    std::string Rfc2217Address() const {
        return "rfc2217://127.0.0.1:" + std::to_string(m_rfc2217Port);
    }
    /// Ends the server at once, as a device server that loses its power: open connections break.
    void Kill();

    /// A loopback port nobody listens on at the moment.
    static int FreePort();

private:
    int m_rawPort = 0;
    int m_rfc2217Port = 0;
    pid_t m_pid = -1;
    std::string m_log;
};
