#include "device/PortDiscovery.h"

#include "base/Translation.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <filesystem>
#include <linux/serial.h>
#include <string_view>
#include <sys/ioctl.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr int kTypeNotAsked = -1; ///< the port could not be opened to ask its driver

int SystemUartType(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) // a user without the right must still see the port, and then learn why
        return errno == EACCES || errno == EPERM ? kTypeNotAsked : PORT_UNKNOWN;
    serial_struct serial{};
    const int type = ::ioctl(fd, TIOCGSERIAL, &serial) == 0 ? serial.type : PORT_UNKNOWN;
    ::close(fd);
    return type;
}

/// The by-id links, sorted by name, each with the device file it points at.
std::vector<SystemPort> Adapters(const fs::path& root) {
    std::vector<SystemPort> adapters;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root / "dev/serial/by-id", error)) {
        const fs::path target = fs::canonical(entry.path(), error);
        if (!error)
            adapters.push_back({target.string(), entry.path().filename().string()});
    }
    std::sort(adapters.begin(), adapters.end(),
              [](const SystemPort& a, const SystemPort& b) { return a.kind < b.kind; });
    return adapters;
}

/// n of "ttySn"; -1 for other names.
int UartNumber(const std::string& name) {
    constexpr std::string_view kPrefix = "ttyS";
    int number = -1;
    if (name.size() <= kPrefix.size() || name.compare(0, kPrefix.size(), kPrefix) != 0)
        return -1;
    const char* end = name.data() + name.size();
    const auto [stop, fault] = std::from_chars(name.data() + kPrefix.size(), end, number);
    return fault == std::errc() && stop == end ? number : -1;
}

fs::path Subsystem(const fs::path& device) {
    std::error_code error;
    return fs::read_symlink(device / "subsystem", error);
}

bool IsBus(const fs::path& subsystem, const char* bus) {
    return subsystem.filename() == bus && subsystem.parent_path().filename() == "bus";
}

/// The 8250 driver's placeholder ports hang on the platform bus and answer nothing. Newer
/// kernels put a port device of the "serial-base" bus in between: look at what it belongs to.
bool OnPlatformBus(const fs::path& device) {
    std::error_code error;
    fs::path owner = fs::canonical(device, error);
    if (error)
        return false;
    while (IsBus(Subsystem(owner), "serial-base") && owner.has_relative_path())
        owner = owner.parent_path();
    return IsBus(Subsystem(owner), "platform");
}

} // namespace

PortDiscovery::PortDiscovery(std::string root, UartType uartType)
    : m_root(std::move(root)), m_uartType(uartType ? std::move(uartType) : SystemUartType) {}

std::vector<SystemPort> PortDiscovery::Ports() const {
    const fs::path root(m_root);
    std::vector<SystemPort> ports = Adapters(root);
    std::vector<std::pair<int, std::string>> uarts;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root / "dev", error))
        if (const int n = UartNumber(entry.path().filename().string()); n >= 0)
            uarts.emplace_back(n, entry.path().string());
    std::sort(uarts.begin(), uarts.end());
    for (const auto& [n, path] : uarts) {
        const fs::path device = root / "sys/class/tty" / ("ttyS" + std::to_string(n)) / "device";
        if (fs::exists(device, error) && !OnPlatformBus(device) && m_uartType(path) != PORT_UNKNOWN)
            ports.push_back({path, Tr("PortDiscovery", "eingebaute Schnittstelle")});
    }
    return ports;
}
