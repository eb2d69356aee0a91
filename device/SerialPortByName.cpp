#include "device/NetworkAddress.h"
#include "device/SerialPort.h"

namespace {

/// Opens a serial device server's line for a network address ("tcp://…", "rfc2217://…") and
/// the system's port for every other name; the rest goes to the one opened last.
class SerialPortByName final : public SerialPort {
public:
    bool Open(const std::string& path, const std::string& settings) override {
        Close();
        m_active = NetworkAddress::IsNetworkName(path) ? m_network.get() : m_system.get();
        return m_active->Open(path, settings);
    }
    void Close() override { m_active->Close(); }
    bool IsOpen() const override { return m_active->IsOpen(); }
    bool Write(std::string_view bytes) override { return m_active->Write(bytes); }
    SerialWait WaitTransmitted(double timeoutSeconds) override {
        return m_active->WaitTransmitted(timeoutSeconds);
    }
    std::size_t BytesWaiting() override { return m_active->BytesWaiting(); }
    std::string ReadAll() override { return m_active->ReadAll(); }
    SerialWait WaitReadable(double timeoutSeconds) override {
        return m_active->WaitReadable(timeoutSeconds);
    }
    double CharacterSeconds() const override { return m_active->CharacterSeconds(); }
    std::string ErrorDescription() const override { return m_active->ErrorDescription(); }
    OpenFault LastOpenFault() const override { return m_active->LastOpenFault(); }

private:
    std::unique_ptr<SerialPort> m_system = MakeSystemSerialPort();
    std::unique_ptr<SerialPort> m_network = MakeNetworkSerialPort();
    SerialPort* m_active = m_system.get();
};

} // namespace

std::unique_ptr<SerialPort> MakeSerialPort() {
    return std::make_unique<SerialPortByName>();
}
