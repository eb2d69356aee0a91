#include "base/Platform.h"
#include "base/Translation.h"
#include "device/BufferedSerialPort.h"
#include "device/NetworkAddress.h"
#include "device/NetworkSocket.h"
#include "device/TelnetCoding.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr double kConnectTimeoutS = 3.0;     ///< reaching the server
constexpr double kNegotiationTimeoutS = 3.0; ///< the server's answers to the line settings
constexpr double kTurnAwayS = 0.1;     ///< a raw server closes a second client's connection at once
constexpr double kEventSliceS = 0.008; ///< longest wait between two event runs while opening
constexpr double kSendGraceS = 1.0;    ///< beyond the line time, for a server without room
/// A server's side of the Telnet opening (its options and the four answers) is well under 100
/// bytes; one that sends far more before it has answered never ends it.
constexpr std::size_t kNegotiationLimit = 4096;

double Now() {
    return Platform::Clocks().MonotonicSeconds();
}

/// A serial line of a serial device server, reached over TCP: raw or as a Telnet COM port
/// (RFC 2217). The server's own line runs at the settings asked for; this side only passes
/// bytes, so a command has left once the server took it.
class NetworkSerialPort final : public BufferedSerialPort {
public:
    ~NetworkSerialPort() override { Close(); }

    bool Open(const std::string& path, const std::string& settings) override;
    void Close() override;
    bool IsOpen() const override { return m_socket->IsOpen(); }
    bool Write(std::string_view bytes) override;
    SerialWait WaitTransmitted(double timeoutSeconds) override;

private:
    /// Closes the connection and keeps why; returns false.
    bool Drop(std::string description);
    bool Connect();
    bool Negotiate(const SerialSettings& settings, const std::string& text);
    bool CheckNotTurnedAway();
    bool TurnedAway();
    void TakeIn() override { Pull(); }
    SerialWait WaitForBytes(double timeoutSeconds) override;
    /// Takes in what arrived and answers the server's option requests; false once the
    /// connection ended.
    bool Pull();

    std::unique_ptr<NetworkSocket> m_socket = MakeNetworkSocket();
    NetworkAddress m_address;
    std::optional<TelnetCoding> m_telnet; ///< only for RFC 2217
    std::size_t m_takenIn = 0; ///< bytes received from the server since the connection opened
};

bool NetworkSerialPort::Drop(std::string description) {
    m_socket->Close();
    return Fail(std::move(description));
}

bool NetworkSerialPort::Open(const std::string& path, const std::string& settings) {
    Close();
    m_openFault = OpenFault::Other;
    const auto parsed = SerialSettings::Parse(settings);
    if (!parsed)
        return Drop(Tr("SerialPort", "Ungültige Schnittstellenparameter."));
    const auto address = NetworkAddress::Parse(path);
    if (!address)
        return Drop(TrArgs(Tr("SerialPort", "Ungültige Netzwerkadresse '%1' (erwartet: "
                                            "tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT)."),
                           {path}));
    m_address = *address;
    if (!Connect())
        return false;
    const bool ready = m_address.mode == NetworkAddress::Mode::Rfc2217
                           ? Negotiate(*parsed, settings)
                           : CheckNotTurnedAway();
    if (!ready)
        return false;
    ResetLine(); // like the flush of a device's buffers when it is opened
    m_characterSeconds = parsed->CharacterSeconds();
    m_error.clear();
    m_openFault = OpenFault::None;
    return true;
}

bool NetworkSerialPort::Connect() {
    switch (m_socket->Connect(m_address.host, m_address.port, kConnectTimeoutS)) {
    case NetworkSocket::ConnectResult::Connected:
        return true;
    case NetworkSocket::ConnectResult::Refused:
        m_openFault = OpenFault::InUse;
        return Drop(TrArgs(Tr("SerialPort", "Schnittstelle wird bereits verwendet: %1 hat die "
                                            "Verbindung abgewiesen (%2)."),
                           {m_address.HostAndPort(), m_socket->Reason()}));
    default:
        return Drop(TrArgs(Tr("SerialPort", "Keine Verbindung zu %1: %2."),
                           {m_address.HostAndPort(), m_socket->Reason()}));
    }
}

bool NetworkSerialPort::TurnedAway() {
    m_openFault = OpenFault::InUse;
    return Drop(
        TrArgs(Tr("SerialPort",
                  "Schnittstelle wird bereits verwendet: %1 hat die Verbindung geschlossen."),
               {m_address.HostAndPort()}));
}

bool NetworkSerialPort::Negotiate(const SerialSettings& settings, const std::string& text) {
    m_telnet.emplace();
    if (!m_socket->Send(m_telnet->Opening(settings), kNegotiationTimeoutS))
        return TurnedAway();
    const double deadline = Now() + kNegotiationTimeoutS;
    while (!m_telnet->SettingsAnswered() && !m_telnet->ComPortRefused()) {
        if (!Pull())
            return TurnedAway();
        if (m_takenIn > kNegotiationLimit)
            return Drop(TrArgs(Tr("SerialPort", "%1 sendet über %2 Bytes, ohne die "
                                                "Schnittstellenparameter %3 zu bestätigen."),
                               {m_address.HostAndPort(), std::to_string(kNegotiationLimit), text}));
        if (Now() >= deadline)
            return Drop(TrArgs(Tr("SerialPort", "%1 hat die Schnittstellenparameter %2 nicht "
                                                "bestätigt."),
                               {m_address.HostAndPort(), text}));
        m_socket->WaitReadable(std::min(kEventSliceS, deadline - Now()));
        DoEvents();
    }
    if (m_telnet->ComPortRefused())
        return Drop(TrArgs(Tr("SerialPort", "%1 bietet keine Schnittstelle nach RFC 2217 an "
                                            "(COM-PORT-OPTION abgelehnt)."),
                           {m_address.HostAndPort()}));
    if (!m_telnet->SettingsConfirmed())
        return Drop(TrArgs(Tr("SerialPort", "%1 hat die Schnittstellenparameter %2 nicht "
                                            "übernommen."),
                           {m_address.HostAndPort(), text}));
    return true;
}

bool NetworkSerialPort::CheckNotTurnedAway() {
    const double deadline = Now() + kTurnAwayS;
    while (Now() < deadline) {
        m_socket->WaitReadable(std::min(kEventSliceS, deadline - Now()));
        if (!Pull())
            return TurnedAway();
        DoEvents();
    }
    return true;
}

void NetworkSerialPort::Close() {
    m_socket->Close();
    m_telnet.reset();
    m_takenIn = 0;
    ResetLine();
}

bool NetworkSerialPort::Pull() {
    if (!m_socket->IsOpen() || HungUp())
        return false;
    // Decoding never makes more data than it takes: the buffer stays within its limit.
    std::string raw;
    const bool open = m_socket->Receive(raw, Room());
    m_takenIn += raw.size();
    Receive(m_telnet ? m_telnet->Decode(raw) : raw);
    if (m_telnet)
        if (const std::string replies = m_telnet->TakeReplies(); !replies.empty() && open)
            m_socket->Send(replies, kSendGraceS);
    if (!open)
        HangUp();
    return open;
}

bool NetworkSerialPort::Write(std::string_view bytes) {
    if (!Usable())
        return false;
    const std::string coded = m_telnet ? TelnetCoding::Escape(bytes) : std::string(bytes);
    if (m_socket->Send(coded, bytes.size() * m_characterSeconds + kSendGraceS))
        return true;
    HangUp();
    return false;
}

SerialWait NetworkSerialPort::WaitTransmitted(double) {
    return Usable() ? SerialWait::Done : SerialWait::Failed;
}

SerialWait NetworkSerialPort::WaitForBytes(double timeoutSeconds) {
    const double deadline = Now() + timeoutSeconds;
    const std::size_t before = Received();
    // Telnet negotiation may arrive without data: wait on until data, the end or the time.
    while (m_socket->WaitReadable(deadline - Now())) {
        const bool open = Pull();
        if (Received() > before)
            return SerialWait::Done;
        if (!open)
            return HangUp();
        if (Now() >= deadline)
            break;
    }
    return SerialWait::Timeout;
}

} // namespace

std::unique_ptr<SerialPort> MakeNetworkSerialPort() {
    return std::make_unique<NetworkSerialPort>();
}
