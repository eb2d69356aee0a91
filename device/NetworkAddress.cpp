#include "device/NetworkAddress.h"

#include "base/Text.h"

#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view kRawScheme = "tcp://";
constexpr std::string_view kRfc2217Scheme = "rfc2217://";

bool StartsWith(std::string_view name, std::string_view scheme) {
    return name.size() >= scheme.size() &&
           ContainsIgnoringCase(name.substr(0, scheme.size()), scheme);
}

} // namespace

bool NetworkAddress::IsNetworkName(const std::string& name) {
    return StartsWith(name, kRawScheme) || StartsWith(name, kRfc2217Scheme);
}

std::optional<NetworkAddress> NetworkAddress::Parse(const std::string& name) {
    NetworkAddress address;
    std::string_view rest = name;
    if (StartsWith(name, kRawScheme)) {
        rest.remove_prefix(kRawScheme.size());
    } else if (StartsWith(name, kRfc2217Scheme)) {
        address.mode = Mode::Rfc2217;
        rest.remove_prefix(kRfc2217Scheme.size());
    } else {
        return std::nullopt;
    }
    const auto colon = rest.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return std::nullopt;
    std::string_view host = rest.substr(0, colon);
    if (host.front() == '[' && host.back() == ']' && host.size() > 2)
        host = host.substr(1, host.size() - 2);
    else if (host.find_first_of("[]:") != std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = rest.substr(colon + 1);
    const char* end = digits.data() + digits.size();
    const auto [stop, fault] = std::from_chars(digits.data(), end, address.port);
    if (fault != std::errc() || stop != end || address.port < 1 || address.port > 65535)
        return std::nullopt;
    address.host = std::string(host);
    return address;
}

std::string NetworkAddress::HostAndPort() const {
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}
