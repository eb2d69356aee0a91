#pragma once

#include <cstdint>
#include <optional>
#include <string>

class cNivolantis;
class cParameter;

/// The device search, writing the model into the device and reading it back, each with its own
/// messages and progress. Only one runs at a time: a transfer started while another one is under
/// way (from a window event during its waits) returns at once and changes nothing.
class DeviceTransfer {
public:
    explicit DeviceTransfer(cNivolantis& app) : m_app(app) {}

    /// Searches COM1 to COM16 for a device answering "I" with "NIVOLANTIS"; the port where it
    /// answered (left open), or 0. Sets PortNr and FirmwareID.
    std::int16_t Connect();
    /// Writes every parameter into the device. True when "Gerät schreiben beendet." was reached.
    bool Download();
    /// Reads every parameter from the device into the model. True when complete.
    bool Upload();

    /// The device's variant byte (EEPROM address 7); empty when it cannot be read.
    std::optional<std::uint8_t> ReadHardwareVariante();

private:
    /// Runs the body of a transfer; a failure ends it with one message box under the title.
    template <typename Body> bool Guarded(const char* title, Body body);
    std::int16_t Search();
    void WriteAll();
    void ReadAll();
    void ReadDecimalPlaces();
    void ReportProgress(int bytesDone);
    void Fail(const std::string& title, const std::string& heading, const std::string& detail);
    static void Wait(double seconds);

    cNivolantis& m_app;
};
