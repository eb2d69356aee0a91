// The device behind a serial device server: ser2net offers the simulator's pseudo-terminal on
// loopback ports, raw and as a Telnet COM port (RFC 2217), and everything above the port runs
// through it unchanged.
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/CliRunner.h"
#include "support/ModelTest.h"
#include "support/PortMap.h"
#include "support/Ser2net.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

enum class Mode { Raw, Rfc2217 };

constexpr char kSettings[] = "19200,n,8,1";

std::string HostAndPort(const std::string& address) {
    return address.substr(address.find("//") + 2);
}

class NetworkPortTest : public ModelTest, public ::testing::WithParamInterface<Mode> {
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

TEST_P(NetworkPortTest, AConfigurationWithBytes255GoesThereAndBackForOneClientOnly) {
    const CliResult ports = RunCli(" --port COM1=" + Address() + " ports");
    EXPECT_NE(std::string::npos, ports.out.find("COM1: " + Address() + ", Geräteserver (" +
                                                (GetParam() == Mode::Raw ? "TCP" : "RFC 2217") +
                                                "), Verbindung beim Öffnen.\n"))
        << ports.out << ports.err;
    ASSERT_EQ(1, app->Connect());
    cSerCom other;
    other.setPortPath(1, Address());
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

TEST_P(NetworkPortTest, ALostConnectionEndsTheTransferAtOnce) {
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

INSTANTIATE_TEST_SUITE_P(Modes, NetworkPortTest, ::testing::Values(Mode::Raw, Mode::Rfc2217),
                         [](const ::testing::TestParamInfo<Mode>& info) {
                             return info.param == Mode::Raw ? "Raw" : "Rfc2217";
                         });

class NetworkPortFailureTest : public CoreTest {};

TEST_F(NetworkPortFailureTest, OpeningFailuresNameHostPortAndReason) {
    K417Simulator sim;
    sim.Start();
    Ser2net server(sim.SlavePath(), PathOf(""));
    const std::string free = std::to_string(Ser2net::FreePort()),
                      raw = HostAndPort(server.RawAddress());
    // {address, the reason; the name lookup's own words follow the last one}
    const std::pair<std::string, std::string> failures[] = {
        {"tcp://127.0.0.1:" + free, "Schnittstelle wird bereits verwendet: 127.0.0.1:" + free +
                                        " hat die Verbindung abgewiesen (Connection refused)."},
        {"rfc2217://127.0.0.1",
         "Ungültige Netzwerkadresse 'rfc2217://127.0.0.1' (erwartet: tcp://RECHNER:PORT oder "
         "rfc2217://RECHNER:PORT)."},
        {"rfc2217://" + raw, raw + " hat die Schnittstellenparameter 19200,n,8,1 nicht bestätigt."},
        {"tcp://[fe80::invalid]:65535", "Keine Verbindung zu [fe80::invalid]:65535: "},
    };
    cSerCom channel;
    for (const auto& [address, reason] : failures) {
        channel.setPortPath(1, address);
        EXPECT_EQ(0, channel.OpenCom(1, kSettings)) << address;
        const std::string error = channel.OpenError(1);
        EXPECT_EQ(reason, reason.back() == ' ' ? error.substr(0, reason.size()) : error);
    }
}

} // namespace
