// The device behind a serial device server: ser2net offers the simulator's pseudo-terminal on
// loopback ports, raw and as a Telnet COM port (RFC 2217), and everything above the port runs
// through it unchanged.
#include "base/Platform.h"
#include "device/DeviceTransfer.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/Bytes.h"
#include "support/CliRunner.h"
#include "support/FastClock.h"
#include "support/ModelTest.h"
#include "support/PortMap.h"
#include "support/Ser2net.h"

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <numeric>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

enum class Mode { Raw, Rfc2217 };

constexpr char kSettings[] = "19200,n,8,1";

std::string HostAndPort(const std::string& address) {
    return address.substr(address.find("//") + 2);
}

class NetworkSerialPortTest : public ModelTest, public ::testing::WithParamInterface<Mode> {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        sim.SetEeprom(FactoryEeprom());
        sim.Start();
        server = std::make_unique<Ser2net>(sim.SlavePath(), PathOf(""));
        MapPorts(app->SerCom(), {{1, Address()}}, Dir());
    }

    std::string Address() const {
        return GetParam() == Mode::Raw ? server->RawAddress() : server->Rfc2217Address();
    }

    K417Simulator sim;
    std::unique_ptr<Ser2net> server;
};

TEST_P(NetworkSerialPortTest, AConfigurationWithBytes255GoesThereAndBackForOneClientOnly) {
    const CliResult ports = RunCli(" --port COM1=" + Address() + " ports");
    EXPECT_NE(std::string::npos, ports.out.find("COM1: " + Address() + ", Geräteserver (" +
                                                (GetParam() == Mode::Raw ? "TCP" : "RFC 2217") +
                                                "), Verbindung beim Öffnen.\n"))
        << ports.out << ports.err;
    ASSERT_EQ(1, app->Connect());
    cSerCom other;
    other.Names().setPortPath(1, Address());
    EXPECT_EQ(0, other.OpenCom(1, kSettings));
    EXPECT_EQ("Schnittstelle wird bereits verwendet: " + HostAndPort(Address()) +
                  " hat die Verbindung geschlossen.",
              other.OpenError(1));

    // Negative values are coded with bytes 255, which Telnet must double on the way.
    R("Eingang", "Skalierung").SetRangeBegin(-9.9999);
    R("Eingang", "Skalierung").SetRangeEnd(9.9999);
    P("Sonstiges", "Trendintervall").setValue(65535.0);
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    const auto written = sim.Eeprom();
    EXPECT_EQ(0xFF, written[190]) << "-9.9999 × 10000, its most significant byte";
    app->SetDefaults();
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    sim.SetEeprom(FactoryEeprom());
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    EXPECT_EQ(written, sim.Eeprom()) << "what was read writes the same bytes again";
}

TEST_P(NetworkSerialPortTest, ALostConnectionEndsTheTransferAtOnce) {
    // The server goes at byte k, well inside the write of the configuration.
    constexpr std::size_t k = 300;
    std::atomic<bool> done{false};
    std::chrono::steady_clock::time_point dropped;
    std::thread dropper([&] {
        while (!done && sim.Received().size() < k)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        server->Kill();
        dropped = std::chrono::steady_clock::now();
    });
    const bool written = app->Download();
    done = true;
    dropper.join();
    EXPECT_FALSE(written);
    // Mostly the channel waits for an answer when the line goes: the end of the connection
    // ends that wait, long before the answer's time-out of 1 s.
    EXPECT_LT(std::chrono::steady_clock::now() - dropped, std::chrono::milliseconds(500))
        << "the end of the connection ends the transfer";
    ASSERT_EQ(1u, Recorder().Messages().size());
    EXPECT_EQ(0u, Recorder().Messages()[0].text.find("Schreiben des Gerätes.\r\nParameter '"));
    Recorder().Clear();
    EXPECT_GE(sim.Received().size(), k);
}

INSTANTIATE_TEST_SUITE_P(Modes, NetworkSerialPortTest, ::testing::Values(Mode::Raw, Mode::Rfc2217),
                         [](const ::testing::TestParamInfo<Mode>& info) {
                             return info.param == Mode::Raw ? "Raw" : "Rfc2217";
                         });

class NetworkSerialPortFailureTest : public ModelTest {};

TEST_F(NetworkSerialPortFailureTest, OpeningFailuresNameHostPortAndReason) {
    K417Simulator sim;
    sim.Start();
    Ser2net server(sim.SlavePath(), PathOf(""));
    const std::string free = std::to_string(Ser2net::FreePort()),
                      raw = HostAndPort(server.RawAddress());
    // {address, the reason; the name lookup's own words follow the last one}
    const std::pair<std::string, std::string> failures[] = {
        {"tcp://127.0.0.1:" + free, "Schnittstelle wird bereits verwendet: 127.0.0.1:" + free +
                                        " hat die Verbindung abgewiesen (Connection refused)."},
        // A name goes through the lookup, which counts into the connect limit.
        {"tcp://localhost:" + free, "Schnittstelle wird bereits verwendet: localhost:" + free +
                                        " hat die Verbindung abgewiesen (Connection refused)."},
        {"rfc2217://127.0.0.1",
         "Ungültige Netzwerkadresse 'rfc2217://127.0.0.1' (erwartet: tcp://RECHNER:PORT oder "
         "rfc2217://RECHNER:PORT)."},
        {"rfc2217://" + raw, raw + " hat die Schnittstellenparameter 19200,n,8,1 nicht bestätigt."},
        {"tcp://[fe80::invalid]:65535", "Keine Verbindung zu [fe80::invalid]:65535: "},
    };
    cSerCom channel;
    for (const auto& [address, reason] : failures) {
        if (address == "rfc2217://" + raw) // its negotiation's limit; the name lookup's is real
            Platform::Install(std::make_unique<FastClock>());
        channel.Names().setPortPath(1, address);
        EXPECT_EQ(0, channel.OpenCom(1, kSettings)) << address;
        const std::string error = channel.OpenError(1);
        EXPECT_EQ(reason, reason.back() == ' ' ? error.substr(0, reason.size()) : error);
    }
}

/// A hostile device server on a loopback port, inside the test: for the first client it sends
/// `opening`, then `repeated` again and again up to `total` bytes (so that a client that takes
/// everything ends too), then `closing`, and keeps the connection until the client goes. With
/// `afterRequest` it first waits for the client's first byte.
class HostileServer {
public:
    HostileServer(std::string opening, std::string repeated, std::size_t total,
                  std::string closing = "", bool afterRequest = false) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(m_listener, 1) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("Kein freier Port auf 127.0.0.1.");
        m_port = ntohs(address.sin_port);
        m_thread =
            std::thread([=, this] { Serve(opening, repeated, total, closing, afterRequest); });
    }
    ~HostileServer() {
        m_stop = true;
        ::shutdown(m_client, SHUT_RDWR); // ends a send or receive that waits
        m_thread.join();
        ::close(m_client);
        ::close(m_listener);
    }

    std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(m_port); }

private:
    bool SendAll(std::string_view bytes) {
        while (!bytes.empty() && !m_stop) {
            const ssize_t sent = ::send(m_client, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
        return !m_stop;
    }

    void Serve(const std::string& opening, const std::string& repeated, std::size_t total,
               const std::string& closing, bool afterRequest) {
        pollfd entry{m_listener, POLLIN, 0};
        while (!m_stop && ::poll(&entry, 1, 20) == 0) {
        }
        m_client = ::accept(m_listener, nullptr, nullptr);
        char byte = 0;
        if (m_stop || (afterRequest && ::recv(m_client, &byte, 1, 0) != 1))
            return;
        std::string block;
        while (block.size() < 65536)
            block += repeated;
        if (!SendAll(opening))
            return;
        for (std::size_t sent = opening.size(); sent < total; sent += block.size())
            if (!SendAll(std::string_view(block).substr(0, total - sent)))
                return;
        if (!SendAll(closing))
            return;
        while (!m_stop && ::recv(m_client, &byte, 1, 0) > 0) {
        }
    }

    int m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    std::atomic<int> m_client{-1};
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

/// How much the peak resident memory may grow while a server floods the port. Under the
/// address sanitizer freed blocks wait in its quarantine (256 MiB by default) before reuse, so
/// the peak there holds every buffer read and dropped; unbounded reading still far exceeds it.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kFloodMebibytes = 512.0;
#else
constexpr double kFloodMebibytes = 16.0;
#endif

double PeakMebibytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each ends with a message within the time limit of its step, holding a few kilobytes of what
// the server sent; a client that took everything would need hundreds of megabytes.
TEST_F(NetworkSerialPortFailureTest, AServerThatKeepsSendingFailsInTimeWithoutFillingTheMemory) {
    constexpr std::size_t kFlood = 256 << 20;
    const std::string iac = "\xFF", sb = "\xFA", nop = "\xF1", will = "\xFB", doOption = "\xFD";
    std::string noise(4096, '\0');
    std::mt19937 random(31);
    for (char& byte : noise)
        byte = static_cast<char>(random());
    // {opening, repeated} of a Telnet server that never answers the line settings
    const std::pair<std::string, std::string> telnet[] = {
        {iac + sb + ",", "A"}, // a sub-negotiation (COM-PORT-OPTION) without end
        {"", iac + nop},       // no operation, again and again
        {"", iac + will + "\x05" + iac + doOption + "\x05"}, // an option asked for again and again
        {"", noise},                                         // random bytes
    };
    const double peakBefore = PeakMebibytes();
    cSerCom channel;
    for (const auto& [opening, repeated] : telnet) {
        HostileServer server(opening, repeated, kFlood);
        channel.Names().setPortPath(1, "rfc2217://" + server.HostAndPort());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(0, channel.OpenCom(1, kSettings));
        EXPECT_LT(SecondsSince(start), 3.0) << "the negotiation's limit";
        EXPECT_EQ(server.HostAndPort() + " sendet über 4096 Bytes, ohne die "
                                         "Schnittstellenparameter 19200,n,8,1 zu bestätigen.",
                  channel.OpenError(1));
    }
    // Servers that answer at once: one without the COM port, one whose line keeps 9600 baud.
    const std::pair<std::string, std::string> refusals[] = {
        {iac + "\xFE,",
         " bietet keine Schnittstelle nach RFC 2217 an (COM-PORT-OPTION abgelehnt)."},
        {Bytes({255, 250, 44, 101, 0, 0,   0x25, 0x80, 255, 240, 255, 250, 44,  102, 8, 255, 240, //
                255, 250, 44, 103, 1, 255, 240,  255,  250, 44,  104, 1,   255, 240}),
         " hat die Schnittstellenparameter 19200,n,8,1 nicht übernommen."}};
    for (const auto& [opening, reason] : refusals) {
        HostileServer server(opening, "-", 0);
        channel.Names().setPortPath(1, "rfc2217://" + server.HostAndPort());
        EXPECT_EQ(0, channel.OpenCom(1, kSettings));
        EXPECT_EQ(server.HostAndPort() + reason, channel.OpenError(1));
    }
    {
        // Bytes 1 to 255, without the zero byte that would end a text.
        std::string bytes(255, '\0');
        std::iota(bytes.begin(), bytes.end(), '\1');
        HostileServer server("", bytes, kFlood);
        channel.Names().setPortPath(1, "tcp://" + server.HostAndPort());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ConnectResult::kWrongAnswer,
                  channel.Connect(1, "I", "NIVOLANTIS", kSettings, 2.0).outcome);
        EXPECT_LT(SecondsSince(start), 2.5) << "the answer's time-out of 2 s";
        EXPECT_EQ(256u, channel.getBufferStr().size())
            << "the start of the answer, for the message";
    }
    EXPECT_LT(PeakMebibytes() - peakBefore, kFloodMebibytes);

    // A 40 MiB answer that names the device is no identification; the message quotes its start,
    // the escape sequence for the terminal escaped.
    HostileServer server("NIVOLANTIS K417 \x1B[2J", "A", 40 << 20, std::string(1, '\0'), true);
    MapPorts(app->SerCom(), {{1, "tcp://" + server.HostAndPort()}}, Dir());
    EXPECT_EQ(0, app->Connect());
    EXPECT_EQ("", app->FirmwareID());
    ASSERT_FALSE(app->LastSearch().empty());
    EXPECT_EQ("COM1 (tcp://" + server.HostAndPort() +
                  "): falsche Antwort 'NIVOLANTIS K417 "
                  "\\x1B[2J" +
                  std::string(44, 'A') + "…'.",
              DeviceTransfer::DescribeProbe(app->LastSearch()[0]));
    EXPECT_LT(PeakMebibytes() - peakBefore, kFloodMebibytes);
}

} // namespace
