#include "base/Platform.h"
#include "base/Translation.h"
#include "device/BufferedSerialPort.h"
#include "device/PollPosix.h"
#include "device/PortAccess.h"
#include "device/SerialPortTexts.h"
#include "device/SerialSettings.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

using namespace SerialPortTexts;

constexpr double kWriteGraceS = 1.0; ///< beyond the line time, for a driver without room
constexpr short kHangUpEvents = POLLHUP | POLLERR | POLLNVAL;

/// Modem and tuning ioctls that a pseudo-terminal or a simple driver does not offer.
bool Unsupported(int error) {
    return error == ENOTTY || error == EINVAL;
}

double Now() {
    return Platform::Clocks().MonotonicSeconds();
}

speed_t SpeedOf(int baud) {
    static constexpr struct {
        int baud;
        speed_t speed;
    } kSpeeds[] = {{50, B50},         {75, B75},         {110, B110},       {134, B134},
                   {150, B150},       {200, B200},       {300, B300},       {600, B600},
                   {1200, B1200},     {1800, B1800},     {2400, B2400},     {4800, B4800},
                   {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
                   {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600}};
    for (const auto& entry : kSpeeds)
        if (entry.baud == baud)
            return entry.speed;
    return B0;
}

tcflag_t CharacterFlags(const SerialSettings& settings) {
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    tcflag_t flags = kSizes[settings.dataBits - 5] | (settings.stopBits == 2 ? CSTOPB : 0);
    switch (settings.parity) {
    case 'e':
        return flags | PARENB;
    case 'o':
        return flags | PARENB | PARODD;
    case 'm':
        return flags | PARENB | PARODD | CMSPAR;
    case 's':
        return flags | PARENB | CMSPAR;
    default:
        return flags;
    }
}

OpenFault FaultOf(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:
        return OpenFault::NotPresent;
    case EBUSY:
    case EWOULDBLOCK:
        return OpenFault::InUse;
    case EACCES:
    case EPERM:
        return OpenFault::NoPermission;
    default:
        return OpenFault::Other;
    }
}

std::string OpenFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:
        return NotPresent();
    case EBUSY:
    case EWOULDBLOCK:
        return InUse();
    case ENOTTY:
        return NoSerialPort();
    default:
        return CannotOpen(std::strerror(error));
    }
}

/// A serial port through termios; poll() only wakes for new bytes, as the buffer is filled
/// whenever the caller asks.
class SerialPortPosix final : public BufferedSerialPort {
public:
    ~SerialPortPosix() override { Close(); }

    bool Open(const std::string& path, const std::string& settings) override;
    void Close() override;
    bool IsOpen() const override { return m_fd >= 0; }
    bool Write(std::string_view bytes) override;
    SerialWait WaitTransmitted(double timeoutSeconds) override;

private:
    bool Lock();
    /// The port is in use: the description names who holds it, where the system can tell.
    void NameHolder(const std::string& path);
    bool Configure(const SerialSettings& settings, speed_t speed);
    void DropDtr();
    void AskLowLatency();
    void TakeIn() override;
    SerialWait WaitForBytes(double timeoutSeconds) override;
    /// poll() on the port for `events` (hang-up is always reported); the revents, 0 on time-out.
    short PollFor(short events, double timeoutSeconds);

    int m_fd = -1;
};

bool SerialPortPosix::Open(const std::string& path, const std::string& settings) {
    Close();
    m_openFault = OpenFault::Other;
    const auto parsed = SerialSettings::Parse(settings);
    const speed_t speed = parsed ? SpeedOf(parsed->baud) : B0;
    if (speed == B0)
        return Fail(BadSettings());
    m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        m_openFault = FaultOf(error);
        Fail(m_openFault == OpenFault::NoPermission ? PortAccess::PermissionDenied(path)
                                                    : OpenFailure(error));
        if (m_openFault == OpenFault::InUse)
            NameHolder(path);
        return false;
    }
    // Lock before touching the line settings, so a port in use keeps its own.
    if (!Lock() || !Configure(*parsed, speed)) {
        Close();
        if (m_openFault == OpenFault::InUse)
            NameHolder(path);
        return false;
    }
    DropDtr();
    AskLowLatency();
    ::tcflush(m_fd, TCIOFLUSH);
    m_characterSeconds = parsed->CharacterSeconds();
    m_error.clear();
    m_openFault = OpenFault::None;
    return true;
}

void SerialPortPosix::NameHolder(const std::string& path) {
    if (const std::string holder = PortAccess::Holder(path); !holder.empty())
        m_error = InUseBy(holder);
}

bool SerialPortPosix::Lock() {
    // TIOCEXCL alone does not stop root; the advisory lock stops every program that asks.
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0 ||
        (::ioctl(m_fd, TIOCEXCL) != 0 && !Unsupported(errno))) {
        const int error = errno;
        m_openFault = FaultOf(error);
        return Fail(OpenFailure(error));
    }
    return true;
}

bool SerialPortPosix::Configure(const SerialSettings& settings, speed_t speed) {
    termios wanted{};
    if (::tcgetattr(m_fd, &wanted) != 0)
        return Fail(OpenFailure(errno));
    ::cfmakeraw(&wanted);
    wanted.c_iflag &= ~(IXON | IXOFF | IXANY);
    wanted.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
    wanted.c_cflag |= CLOCAL | CREAD | CharacterFlags(settings);
    wanted.c_cc[VMIN] = 0;
    wanted.c_cc[VTIME] = 0;
    ::cfsetispeed(&wanted, speed);
    ::cfsetospeed(&wanted, speed);
    if (::tcsetattr(m_fd, TCSANOW, &wanted) != 0) // EINVAL: glibc saw size or parity refused
        return Fail(errno == EINVAL ? SettingsRefused() : CannotOpen(std::strerror(errno)));
    // tcsetattr succeeds when any one change applied; only reading back tells the rest.
    termios actual{};
    constexpr tcflag_t kLineFlags =
        CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS | CLOCAL | CREAD;
    if (::tcgetattr(m_fd, &actual) != 0 || ::cfgetospeed(&actual) != speed ||
        ::cfgetispeed(&actual) != speed ||
        (actual.c_cflag & kLineFlags) != (wanted.c_cflag & kLineFlags) ||
        actual.c_iflag != wanted.c_iflag || actual.c_lflag != wanted.c_lflag)
        return Fail(SettingsRefused());
    return true;
}

void SerialPortPosix::DropDtr() {
    // Best effort: a pseudo-terminal has no modem lines, and the device does not need DTR.
    const int dtr = TIOCM_DTR;
    ::ioctl(m_fd, TIOCMBIC, &dtr);
}

void SerialPortPosix::AskLowLatency() {
    // A USB adapter otherwise holds every received byte for its latency timer (often 16 ms).
    serial_struct serial{};
    if (::ioctl(m_fd, TIOCGSERIAL, &serial) != 0 || (serial.flags & ASYNC_LOW_LATENCY) != 0)
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(m_fd, TIOCSSERIAL, &serial);
}

void SerialPortPosix::Close() {
    if (m_fd < 0)
        return;
    ::ioctl(m_fd, TIOCNXCL); // the tty may stay open elsewhere; let the next program in
    ::close(m_fd);           // also releases the flock
    m_fd = -1;
    ResetLine();
}

short SerialPortPosix::PollFor(short events, double timeoutSeconds) {
    return PollDescriptor(m_fd, events, timeoutSeconds);
}

bool SerialPortPosix::Write(std::string_view bytes) {
    if (!Usable())
        return false;
    const double deadline = Now() + bytes.size() * m_characterSeconds + kWriteGraceS;
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written < 0 && errno == EIO) {
            HangUp();
            return false;
        } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
            return Fail(CannotOpen(std::strerror(errno)));
        } else if (Now() > deadline) {
            return Fail(WriteStuck());
        } else if ((PollFor(POLLOUT, deadline - Now()) & kHangUpEvents) != 0) {
            HangUp();
            return false;
        }
    }
    return true;
}

SerialWait SerialPortPosix::WaitTransmitted(double timeoutSeconds) {
    if (!Usable())
        return SerialWait::Failed;
    const double deadline = Now() + timeoutSeconds;
    for (;;) {
        int queued = 0;
        if (::ioctl(m_fd, TIOCOUTQ, &queued) != 0)
            return Unsupported(errno) ? SerialWait::Done : HangUp();
        if (queued <= 0)
            return SerialWait::Done;
        const double left = deadline - Now();
        if (left <= 0)
            return SerialWait::Timeout;
        // No event tells "queue empty": sleep for the queued bytes' line time, but wake on hang-up.
        if ((PollFor(0, std::min(left, queued * m_characterSeconds)) & kHangUpEvents) != 0)
            return HangUp();
    }
}

void SerialPortPosix::TakeIn() {
    char chunk[kReceiveLimit];
    while (Room() > 0) {
        const ssize_t got = ::read(m_fd, chunk, Room());
        if (got > 0) {
            Receive({chunk, static_cast<std::size_t>(got)});
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            // 0 or EAGAIN: nothing more now (VMIN 0 reads 0); EIO: the next wait reports it.
            if (got < 0 && errno == EIO)
                HangUp();
            return;
        }
    }
}

SerialWait SerialPortPosix::WaitForBytes(double timeoutSeconds) {
    const short events = PollFor(POLLIN, timeoutSeconds);
    if (events == 0)
        return SerialWait::Timeout;
    const std::size_t before = Received();
    if ((events & POLLIN) != 0)
        TakeIn();
    if (Received() > before)
        return SerialWait::Done;
    return (events & kHangUpEvents) != 0 || HungUp() ? HangUp() : SerialWait::Timeout;
}

} // namespace

std::unique_ptr<SerialPort> MakeSystemSerialPort() {
    return std::make_unique<SerialPortPosix>();
}
