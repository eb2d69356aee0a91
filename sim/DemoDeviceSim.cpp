#include "sim/DemoDevice.h"

#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"

namespace {

class SimulatedDevice final : public DemoDevice {
public:
    SimulatedDevice() {
        m_simulator.SetEeprom(FactoryEeprom());
        m_simulator.Start();
    }
    std::string PortPath() const override { return m_simulator.SlavePath(); }

private:
    K417Simulator m_simulator;
};

} // namespace

std::unique_ptr<DemoDevice> StartDemoDevice() {
    return std::make_unique<SimulatedDevice>();
}
