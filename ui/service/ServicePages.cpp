#include "ui/service/ServicePages.h"

#include "ui/service/ContrastFrame.h"
#include "ui/service/EepromGrid.h"
#include "ui/service/FirmwareUpdate.h"
#include "ui/service/MeasuredValues.h"
#include "ui/service/PortScan.h"

ServicePages::ServicePages(ServiceWindow& window, cNivolantis& app)
    : m_contrast(std::make_unique<ContrastFrame>(window, app)),
      m_measured(std::make_unique<MeasuredValues>(window, app)),
      m_eeprom(std::make_unique<EepromGrid>(window, app)),
      m_ports(std::make_unique<PortScan>(window, app)),
      m_firmware(std::make_unique<FirmwareUpdate>(window, app)) {}

ServicePages::~ServicePages() = default;

void ServicePages::ReadContrast() {
    m_contrast->ReadFromDevice();
}

bool ServicePages::RefusesClose() {
    return m_firmware->RefusesClose();
}
