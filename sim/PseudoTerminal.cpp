#include "sim/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void Refused(const char* step) {
    throw std::runtime_error(std::string("pseudo-terminal: ") + step + ": " + std::strerror(errno));
}

} // namespace

PseudoTerminal::PseudoTerminal() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0)
        Refused("posix_openpt");
    char name[64];
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
        ::ptsname_r(m_master, name, sizeof name) != 0) {
        ::close(m_master);
        Refused("ptsname");
    }
    m_slavePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios raw{};
    if (m_slave < 0 || ::tcgetattr(m_slave, &raw) != 0) {
        HangUp();
        Refused("open slave");
    }
    // The line discipline must pass every byte unchanged (no echo, no CR/LF or XON/XOFF work).
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
}

PseudoTerminal::~PseudoTerminal() {
    HangUp();
}

void PseudoTerminal::HangUp() {
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}
