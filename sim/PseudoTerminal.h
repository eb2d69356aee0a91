#pragma once

#include <string>

/// A pseudo-terminal pair in raw mode: programs open SlavePath() like a serial port, the owner
/// serves MasterFd(). The slave side is kept open here as well, so the master stays usable while
/// programs open and close the port. Nobody answers on a bare PseudoTerminal: it stands for a
/// port without a device.
class PseudoTerminal {
public:
    /// Opens the pair; throws std::runtime_error when the system refuses.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    /// Path of the slave side, such as "/dev/pts/3".
    const std::string& SlavePath() const { return m_slavePath; }
    /// Non-blocking master side; -1 after HangUp.
    int MasterFd() const { return m_master; }
    /// Closes both sides: whoever has the slave open sees a hang-up.
    void HangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};
