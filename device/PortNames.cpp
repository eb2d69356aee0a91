#include "device/PortNames.h"

#include "base/Text.h"
#include "base/Translation.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <utility>

namespace {

void CheckPortNumber(std::int16_t comNr) {
    if (comNr < 1 || comNr > PortNames::kPortCount)
        throw std::out_of_range(Tr("PortNames", "Schnittstellennummer außerhalb 1 bis 16."));
}

} // namespace

PortNames::PortNames() {
    FindPorts();
}

void PortNames::setPortPath(std::int16_t comNr, std::string path) {
    CheckPortNumber(comNr);
    m_portPaths[comNr - 1] = std::move(path);
    AssignFoundPorts();
}

std::string PortNames::PortPath(std::int16_t comNr) const {
    CheckPortNumber(comNr);
    const std::string& path = m_portPaths[comNr - 1];
    return path.empty() ? m_foundPaths[comNr - 1] : path;
}

std::string PortNames::PortKind(std::int16_t comNr) const {
    const std::string path = PortPath(comNr);
    const auto found = std::find_if(m_found.begin(), m_found.end(),
                                    [&path](const SystemPort& port) { return port.path == path; });
    return found == m_found.end() ? "" : found->kind;
}

void PortNames::FindPorts() {
    m_found = m_discovery.Ports();
    AssignFoundPorts();
}

void PortNames::AssignFoundPorts() {
    const auto named = [this](const SystemPort& port) {
        return std::find(m_portPaths.begin(), m_portPaths.end(), port.path) != m_portPaths.end();
    };
    auto next = m_found.begin();
    for (std::size_t i = 0; i < m_foundPaths.size(); ++i) {
        m_foundPaths[i].clear();
        if (!m_portPaths[i].empty())
            continue;
        next = std::find_if_not(next, m_found.end(), named);
        if (next != m_found.end())
            m_foundPaths[i] = (next++)->path;
    }
}

void PortNames::setPortDiscovery(PortDiscovery discovery) {
    m_discovery = std::move(discovery);
    FindPorts();
}

std::int16_t PortNames::PortNumber(std::string_view name) {
    if (name.size() < 4 || !ContainsIgnoringCase(name.substr(0, 3), "COM"))
        return 0;
    const std::string_view digits = name.substr(3);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < 1 ||
        number > kPortCount)
        return 0;
    return static_cast<std::int16_t>(number);
}
