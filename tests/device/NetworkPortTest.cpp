// The device behind a serial device server: ser2net offers the simulator's pseudo-terminal on
// loopback ports, raw and as a Telnet COM port (RFC 2217), and everything above the port runs
// through it unchanged.
#include "device/EepromTransfer.h"
#include "firmware/cFirmwareRW.h"
#include "firmware/cHexFile.h"
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
constexpr char kLineLost[] = "Verbindung zur Schnittstelle unterbrochen.";

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
    void TearDown() override {
        app->SerCom().CloseCom(1);
        server.reset();
        ModelTest::TearDown();
    }

    std::string Address() const {
        return GetParam() == Mode::Raw ? server->RawAddress() : server->Rfc2217Address();
    }
    std::string HostAndPort() const { return Address().substr(Address().find("//") + 2); }
    cSerCom& Channel() { return app->SerCom(); }

    /// The one message a failed transfer showed; taken, so the test does not fail on it.
    std::string TakeMessage() {
        EXPECT_EQ(1u, Recorder().Messages().size());
        const std::string text = Recorder().Messages().empty() ? "" : Recorder().Messages()[0].text;
        Recorder().Clear();
        return text;
    }

    K417Simulator sim;
    std::unique_ptr<Ser2net> server;
};

TEST_P(NetworkPortTest, SearchPortsAndConnectWorkThroughTheServer) {
    EXPECT_EQ(1, app->Connect());
    EXPECT_NE(std::string::npos, app->FirmwareID().find("NIVOLANTIS K417 V2.1"));
    Channel().CloseCom(1);

    const std::string port = " --port COM1=" + Address() + " ";
    const CliResult ports = RunCli(port + "ports");
    EXPECT_EQ(0, ports.exitCode) << ports.err;
    EXPECT_NE(std::string::npos, ports.out.find("COM1: " + Address() + ", Geräteserver (" +
                                                (GetParam() == Mode::Raw ? "TCP" : "RFC 2217") +
                                                "), Verbindung beim Öffnen.\n"))
        << ports.out;
    const CliResult connect = RunCli(port + "connect -v");
    EXPECT_EQ(0, connect.exitCode) << connect.err;
    EXPECT_EQ(0u, connect.out.find("COM1 (" + Address() + "): Gerät gefunden: NIVOLANTIS K417"))
        << connect.out;
}

TEST_P(NetworkPortTest, AConfigurationGoesThereAndBackWithItsBytes255) {
    // Negative values are coded with bytes 255, which Telnet must double on the way.
    R("Eingang", "Skalierung").SetRangeBegin(-9.9999);
    R("Eingang", "Skalierung").SetRangeEnd(9.9999);
    R("Eingang", "Messbereich").SetRangeBegin(20.0);
    R("Eingang", "Messbereich").SetRangeEnd(4.0);
    app->UpdateLimits();
    R("Grenzwerte", "Grenzwert2").SetRangeBegin(-5.5);
    P("Linearisierung", "Y3").setValue(-0.0001);
    P("Sonstiges", "Trendintervall").setValue(65535.0);
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    const auto written = sim.Eeprom();
    // -9.9999 × 10000 and 65535, least significant byte first.
    EXPECT_EQ((std::vector<int>{0x61, 0x79, 0xFE, 0xFF, 0xFF, 0xFF}),
              (std::vector<int>{written[187], written[188], written[189], written[190],
                                written[260], written[261]}));

    app->SetDefaults();
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    sim.SetEeprom(FactoryEeprom());
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    EXPECT_EQ(written, sim.Eeprom()) << "what was read writes the same bytes again";
    VerifyMessages();
}

TEST_P(NetworkPortTest, TheEepromGridCarriesEveryByteValueBothWays) {
    ASSERT_EQ(1, Channel().OpenCom(1, kSettings)) << Channel().OpenError(1);
    EepromTransfer transfer(Channel());
    EepromTransfer::Image image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(255 - i % 256); // every value, twice
    const auto writes = transfer.Write(image);
    EXPECT_EQ("", EepromTransfer::FailedCells(writes));
    EXPECT_EQ(image, sim.Eeprom());

    EepromTransfer::Image read;
    read.fill(0x5A);
    EXPECT_EQ("", EepromTransfer::FailedCells(transfer.Read(read)));
    EXPECT_EQ(image, read);
}

TEST_P(NetworkPortTest, AFirmwareReadBringsTheFlashWithEveryByteValue) {
    K417Device::FlashImage flash{};
    for (std::size_t i = 0; i < flash.size(); ++i)
        flash[i] = static_cast<std::uint8_t>(i * 7 + 255);
    sim.SetFlash(flash);
    ASSERT_EQ(1, Channel().OpenCom(1, kSettings)) << Channel().OpenError(1);
    cFirmwareRW firmware(Channel());
    const std::string file = PathOf("read.hex");
    ASSERT_TRUE(firmware.ReadHexFile(512, file));
    cHexFile saved;
    ASSERT_TRUE(saved.OpenHexFile(file));
    for (std::int32_t i = 0; i < 512; ++i) {
        std::uint8_t byte = 0;
        EXPECT_TRUE(saved.GetByte(i, byte));
        EXPECT_EQ(flash[i], byte) << "flash byte " << i;
    }
}

// The faults of the line that a network passes on: a silent device, answers late but in time
// and too late, and a device that hangs up in the middle of a transfer.
TEST_P(NetworkPortTest, LineFaultsEndAsOnADirectLine) {
    sim.SetFaults({.silent = true});
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(0, app->Connect());
    EXPECT_LT(SecondsSince(start), 4.5 + 5.0) << "as long as on a direct line at most";

    K417Faults late{.answerDelayS = 0.9};
    late.faultyFrom = 10;
    late.faultyUntil = 10;
    sim.SetFaults(late);
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    EXPECT_TRUE(app->Upload());
    VerifyMessages();

    late.answerDelayS = 1.1;
    sim.SetFaults(late);
    start = std::chrono::steady_clock::now();
    EXPECT_FALSE(app->Upload());
    EXPECT_EQ(0u, TakeMessage().find("Lesen des Gerätes.\r\nParameter '"));
    EXPECT_LT(SecondsSince(start), 7.0 + 2.1);

    sim.SetFaults({.hangUpAfter = 200});
    start = std::chrono::steady_clock::now();
    EXPECT_FALSE(app->Download());
    EXPECT_LT(SecondsSince(start), 5.0) << "the hang-up ends the transfer, no time-outs";
    EXPECT_EQ(0u, TakeMessage().find("Schreiben des Gerätes.\r\nParameter '"));
}

TEST_P(NetworkPortTest, AConnectionDroppedAtByteKEndsTheTransferLikeAHangUp) {
    constexpr std::size_t k = 300; // well inside the write of the configuration
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
    EXPECT_LT(SecondsSince(dropped), 0.5) << "the end of the connection ends the transfer";
    EXPECT_EQ(0u, TakeMessage().find("Schreiben des Gerätes.\r\nParameter '"));
    EXPECT_GE(sim.Received().size(), k);

    // With the server gone, nobody takes the connection.
    EXPECT_EQ(0, Channel().OpenCom(1, kSettings));
    EXPECT_EQ("Schnittstelle wird bereits verwendet: " + HostAndPort() +
                  " hat die Verbindung abgewiesen (Connection refused).",
              Channel().OpenError(1));
}

TEST_P(NetworkPortTest, ASecondClientIsTurnedAwayAsInUse) {
    ASSERT_EQ(1, Channel().OpenCom(1, kSettings)) << Channel().OpenError(1);
    cSerCom other;
    other.setPortPath(1, Address());
    EXPECT_EQ(0, other.OpenCom(1, kSettings));
    EXPECT_EQ("Schnittstelle wird bereits verwendet: " + HostAndPort() +
                  " hat die Verbindung geschlossen.",
              other.OpenError(1));
    // The first connection is untouched by the second.
    EXPECT_GT(Channel().Command("I", -1, 2.0), 0);
    EXPECT_NE(std::string::npos, Channel().getBufferStr().find("NIVOLANTIS"));
}

INSTANTIATE_TEST_SUITE_P(Modes, NetworkPortTest, ::testing::Values(Mode::Raw, Mode::Rfc2217),
                         [](const ::testing::TestParamInfo<Mode>& info) {
                             return info.param == Mode::Raw ? "Raw" : "Rfc2217";
                         });

class NetworkPortFailureTest : public CoreTest {};

TEST_F(NetworkPortFailureTest, OpeningFailuresNameHostPortAndReason) {
    const std::string free = std::to_string(Ser2net::FreePort());
    // {address, the reason; the name lookup's own words follow the last one}
    const std::pair<std::string, std::string> failures[] = {
        {"tcp://127.0.0.1:" + free, "Schnittstelle wird bereits verwendet: 127.0.0.1:" + free +
                                        " hat die Verbindung abgewiesen (Connection refused)."},
        {"rfc2217://127.0.0.1",
         "Ungültige Netzwerkadresse 'rfc2217://127.0.0.1' (erwartet: tcp://RECHNER:PORT oder "
         "rfc2217://RECHNER:PORT)."},
        {"tcp://gibt-es-nicht.invalid:4001", "Keine Verbindung zu gibt-es-nicht.invalid:4001: "},
    };
    cSerCom channel;
    for (const auto& [address, reason] : failures) {
        channel.setPortPath(1, address);
        EXPECT_EQ(0, channel.OpenCom(1, kSettings)) << address;
        const std::string error = channel.OpenError(1);
        EXPECT_EQ(reason, reason.back() == ' ' ? error.substr(0, reason.size()) : error);
    }
}

TEST_F(NetworkPortFailureTest, ARawServerGivesNoAnswerToTheComPortOption) {
    K417Simulator sim;
    sim.Start();
    Ser2net server(sim.SlavePath(), PathOf(""));
    cSerCom channel;
    const std::string raw = server.RawAddress();
    channel.setPortPath(1, "rfc2217://" + raw.substr(raw.find("//") + 2));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(0, channel.OpenCom(1, kSettings));
    const double seconds = SecondsSince(start);
    EXPECT_GE(seconds, 3.0);
    EXPECT_LT(seconds, 3.5);
    EXPECT_EQ(raw.substr(raw.find("//") + 2) +
                  " hat die Schnittstellenparameter 19200,n,8,1 nicht bestätigt.",
              channel.OpenError(1));
}

} // namespace
