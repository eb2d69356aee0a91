#pragma once

#include <memory>
#include <string>

/// The simulated device that --demo connects to COM1, serving while the object lives.
class DemoDevice {
public:
    virtual ~DemoDevice() = default;
    /// The device path that COM1 is mapped to.
    virtual std::string PortPath() const = 0;
};

/// Starts the simulated device with its factory EEPROM; nullptr after a message on the error
/// output where the system has no simulator (it needs a pseudo-terminal).
std::unique_ptr<DemoDevice> StartDemoDevice();
