#pragma once

#include "base/MessageService.h"
#include "device/TransferHost.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Configuration;
class cParameter;
class cSerCom;

/// The device search, writing the model into the device and reading it back, each with its own
/// messages and progress. Only one runs at a time: a transfer started while another one is under
/// way (from a window event during its waits) returns at once and changes nothing.
class DeviceTransfer {
public:
    DeviceTransfer(Configuration& config, cSerCom& serCom, TransferHost& host)
        : m_config(config), m_serCom(serCom), m_host(host) {}

    /// Searches COM1 to COM16 for a device answering "I" with "NIVOLANTIS": the port where it
    /// answered (left open) and its identification, or port 0. Empty when refused because
    /// another transfer runs. Every search, also those of the transfers, shows its steps to
    /// the host.
    std::optional<SearchState> Connect();
    /// Writes every parameter into the device. Every value is coded first; one that does not
    /// fit its bytes stops the write before anything is sent. True when "Gerät schreiben
    /// beendet." was reached.
    bool Download();
    /// Reads every parameter from the device into the model. When values lie outside their
    /// limits they stay in the model as read, but one message names them instead of "Gerät lesen
    /// beendet." and the result is false. True when complete and valid. The values reach the
    /// model only once all are read: a read that fails, or that the user cancels (the host's
    /// UserCancel, looked at between exchanges), changes nothing in the model; its message says
    /// so, or is "Gerät lesen abgebrochen.".
    bool Upload();

    /// The configuration bytes of the last Download or Upload in the order they go over the line
    /// (every parameter in walk order, least significant byte first): for a write every coded
    /// byte meant for the device, after a failed one only those of the parameters the device
    /// confirmed; for a read the bytes received before it ended.
    const std::string& Bytes() const { return m_bytes; }
    /// The text of the last message box the transfers showed; empty when none was shown.
    const std::string& Told() const { return m_told; }

    /// The device's variant byte (EEPROM address 7); empty when it cannot be read.
    std::optional<std::uint8_t> ReadHardwareVariante();

    /// What the last search found at each port it tried, in port order.
    const std::vector<PortProbe>& SearchReport() const { return m_report; }
    /// The report as lines for a user: every port that exists with its outcome, the ports
    /// that do not exist summarised in one line.
    static std::string DescribeSearch(const std::vector<PortProbe>& report);
    /// "COM3 (/dev/ttyS2): keine Antwort." and the like.
    static std::string DescribeProbe(const PortProbe& probe);

private:
    /// Runs the body of a transfer; a failure ends it with one message box under the title.
    template <typename Body>
    bool Guarded(const std::string& title, const char* cancelled, Body body);
    SearchState Search();
    /// Codes every value, keeping their bytes in Bytes.
    std::vector<std::int32_t> CodeAll();
    void WriteAll(const std::vector<std::int32_t>& raws);
    PortProbe Probe(std::int16_t port);
    /// Reads every value and the variant byte, then takes the values into the model; returns
    /// the variant.
    std::uint8_t ReadAll();
    std::uint8_t ReadDecimalPlaces();
    /// "Skalenkomma" of the model: its catalogue address is read from the device first.
    cParameter& DecimalPlaces();
    /// Every parameter's raw value in walk order, appended as it arrives.
    void ReadRaws(std::vector<std::int32_t>& raws);
    void TakeValues(std::uint8_t decimalPlaces, const std::vector<std::int32_t>& raws);
    /// Ends a cancellable operation when the user asked for it.
    void StopIfCancelled() const;
    void ReportProgress(int bytesDone);
    void Fail(const std::string& title, const std::string& heading, const std::string& detail);
    /// Shows a message box and keeps its text for Told.
    void Tell(const std::string& text, MsgIcon icon, const std::string& title = "");
    /// After a failure or a cancel: notification on, progress 0, the views refreshed.
    void Recover();
    static void Wait(double seconds);

    Configuration& m_config;
    cSerCom& m_serCom;
    TransferHost& m_host;
    std::vector<PortProbe> m_report;
    bool m_cancellable = false; ///< only a read stops on the user's request
    std::string m_bytes;
    std::string m_told;
};
