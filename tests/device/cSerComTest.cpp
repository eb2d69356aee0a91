#include "app/Platform.h"
#include "sim/PseudoTerminal.h"
#include "sim/SimulatorTest.h"

#include <functional>

namespace {

class CallbackPump : public EventPump {
public:
    explicit CallbackPump(std::function<void()> onEvents) : m_onEvents(std::move(onEvents)) {}
    void ProcessEvents() override { m_onEvents(); }

private:
    std::function<void()> m_onEvents;
};

using cSerComTest = SimulatorTest;

TEST_F(cSerComTest, TextAnswerEndsAtItsZeroByte) {
    OpenSim();
    sim.SetIdentification("ABCDEFGHIJKLM");
    EXPECT_EQ(13, serCom.Command("I", -1, 1.0));
    EXPECT_EQ("ABCDEFGHIJKLM", serCom.getBufferStr());
}

TEST_F(cSerComTest, TextAnswerWithoutZeroByteOrWithoutAnyByteAfterTheTimeOut) {
    OpenSim();
    sim.SetFaults({.garbage = "NIVOLANTIS"});
    double seconds = SecondsOf([&] { EXPECT_EQ(9, serCom.Command("I", -1, 0.2)); });
    EXPECT_EQ("NIVOLANTI", serCom.getBufferStr()) << "the last byte received goes instead";
    EXPECT_GE(seconds, 0.2);

    sim.SetFaults({.silent = true});
    seconds = SecondsOf([&] { EXPECT_EQ(0, serCom.Command("I", -1, 0.2)); });
    EXPECT_EQ("", serCom.getBufferStr());
    EXPECT_GE(seconds, 0.2);
    EXPECT_LT(seconds, 0.5);
}

TEST_F(cSerComTest, FixedAnswerReturnsAtOnceButOneByteTooManyWaitsTheTimeOut) {
    OpenSim();
    double seconds = SecondsOf([&] { EXPECT_EQ(2, serCom.Command("Q", 2, 1.0)); });
    EXPECT_LT(seconds, 0.5);
    EXPECT_EQ(12000, serCom.getBufferLong());
    seconds = SecondsOf([&] { EXPECT_EQ(0, serCom.Command("a", 0, 1.0)); });
    EXPECT_LT(seconds, 0.5);

    sim.SetFaults({.extraByte = true});
    seconds = SecondsOf([&] { EXPECT_EQ(3, serCom.Command("Q", 2, 0.2)); });
    EXPECT_GE(seconds, 0.2);
    EXPECT_EQ(K417Simulator::kExtraByte, static_cast<std::uint8_t>(serCom.getBufferStr()[2]));
}

TEST_F(cSerComTest, EepromFramesOnTheWire) {
    OpenSim();
    auto image = K417Device::BlankEeprom();
    image[196] = 2;
    sim.SetEeprom(image);
    sim.ClearReceived();
    EXPECT_EQ(1, serCom.ReadEEPROM(196, 1));
    EXPECT_EQ(Bytes({0x63, 0x00, 0xC4}), sim.Received());
    EXPECT_EQ(2, serCom.getBufferByte());

    sim.ClearReceived();
    EXPECT_EQ(2, serCom.WriteEEPROM(10, 2, 1000));
    EXPECT_EQ(Bytes({0x4C, 0x00, 0x0A, 0xE8, 0x4C, 0x00, 0x0B, 0x03}), sim.Received());
    EXPECT_EQ(2, serCom.ReadEEPROM(10, 2));
    EXPECT_EQ(1000, serCom.getBufferLong());

    sim.SetFaults({.wrongEchoAt = 10});
    sim.ClearReceived();
    EXPECT_EQ(0, serCom.WriteEEPROM(10, 2, 2000));
    EXPECT_EQ(Bytes({0x4C, 0x00, 0x0A, 0xD0}), sim.Received()) << "nothing after a wrong echo";
}

TEST_F(cSerComTest, ReadStopsAtTheFirstUnansweredByte) {
    OpenSim();
    sim.SetFaults({.noAnswerFrom = 12});
    EXPECT_EQ(0, serCom.ReadEEPROM(10, 4));
    EXPECT_EQ(Bytes({0xFF, 0xFF}), serCom.getBufferStr()) << "the bytes read before it";
    EXPECT_EQ(0, serCom.WriteEEPROM(12, 1, 5));
}

TEST_F(cSerComTest, AwkwardBytesTravelUnchangedAsValuesAndAddresses) {
    OpenSim();
    const int addresses[] = {0x0D, 0x0A, 0x11, 0x13, 0x103, 0x104, 0x7F, 0x1FF, 0x100};
    const int values[] = {0x0D, 0x0A, 0x11, 0x13, 0x03, 0x04, 0x7F, 0xFF, 0x00};
    for (int i = 0; i < 9; ++i)
        ASSERT_EQ(1, serCom.WriteEEPROM(addresses[i], 1, values[i])) << i;
    const auto image = sim.Eeprom();
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(values[i], image[addresses[i]]) << i;
        ASSERT_EQ(1, serCom.ReadEEPROM(addresses[i], 1));
        EXPECT_EQ(values[i], serCom.getBufferByte()) << i;
    }
}

TEST_F(cSerComTest, NegativeValuesTravelAsTwosComplement) {
    OpenSim();
    EXPECT_EQ(4, serCom.WriteEEPROM(100, 4, -1));
    EXPECT_EQ(4, serCom.ReadEEPROM(100, 4));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0xFF}), serCom.getBufferStr());
    EXPECT_EQ(-1, serCom.getBufferLong());

    EXPECT_EQ(4, serCom.WriteEEPROM(100, 4, -99999));
    EXPECT_EQ(4, serCom.ReadEEPROM(100, 4));
    EXPECT_EQ(-99999, serCom.getBufferLong());

    EXPECT_EQ(2, serCom.ReadEEPROM(100, 2)); // 61 79 of -99999 = FFFE7961
    EXPECT_EQ(0x7961, serCom.getBufferLong());
    EXPECT_EQ(2, serCom.WriteEEPROM(100, 2, 65535));
    EXPECT_EQ(2, serCom.ReadEEPROM(100, 2));
    EXPECT_EQ(65535, serCom.getBufferLong()) << "two bytes stay unsigned";
    EXPECT_EQ(-1, serCom.getBufferInt());
    EXPECT_EQ(3, serCom.ReadEEPROM(100, 3));
    EXPECT_EQ(0xFEFFFF, serCom.getBufferLong());

    EXPECT_EQ(5, serCom.WriteEEPROM(15, 5, 99999));
    EXPECT_EQ(5, serCom.ReadEEPROM(15, 5));
    EXPECT_EQ(Bytes({0x9F, 0x86, 0x01, 0x00, 0x00}), serCom.getBufferStr());
    EXPECT_EQ(99999, serCom.getBufferLong()) << "the first four of five bytes";
    EXPECT_EQ(5, serCom.WriteEEPROM(15, 5, -2));
    EXPECT_EQ(0xFF, sim.Eeprom()[19]);
}

TEST_F(cSerComTest, FlashBytes) {
    OpenSim();
    K417Device::FlashImage flash;
    flash.fill(0x00);
    flash[0x1234] = 0x5A;
    sim.SetFlash(flash);
    EXPECT_EQ(1, serCom.ReadFLASH(0x1234));
    EXPECT_EQ(0x5A, serCom.getBufferByte());
    EXPECT_THROW(serCom.ReadFLASH(65536), std::out_of_range);
    EXPECT_THROW(serCom.ReadEEPROM(65535, 2), std::out_of_range);
    EXPECT_FALSE(serCom.Busy());
}

TEST_F(cSerComTest, StatusOfPorts) {
    cSerCom::setPortPath(2, PathOf("missing-port"));
    EXPECT_EQ("Anschluß vorhanden.", serCom.GetStatus(kSimPort));
    EXPECT_EQ("Schnittstelle nicht vorhanden.", serCom.GetStatus(2));
    EXPECT_EQ("Ungültige Schnittstellennummer.", serCom.GetStatus(17));

    OpenSim();
    EXPECT_EQ("Schnittstelle bereits geöffnet.", serCom.GetStatus(kSimPort));
    cSerCom other;
    EXPECT_EQ("Schnittstelle wird bereits verwendet.", other.GetStatus(kSimPort));
    EXPECT_EQ(0, other.OpenCom(kSimPort, kSettings));
    EXPECT_EQ(0, other.CurrentPort());

    EXPECT_EQ(0, serCom.OpenCom(2, kSettings));
    EXPECT_EQ(0, serCom.CurrentPort()) << "a failed open leaves no port current";
    EXPECT_EQ(0, serCom.Command("Q", 2, 1.0)) << "no port current";
    EXPECT_EQ(kSimPort, serCom.CloseCom(kSimPort));
    EXPECT_EQ("Anschluß vorhanden.", other.GetStatus(kSimPort));
}

TEST_F(cSerComTest, ConnectFindsTheDeviceAndClosesPortsWithoutIt) {
    cSerCom::setPortPath(2, PathOf("missing-port"));
    PseudoTerminal silent;
    cSerCom::setPortPath(3, silent.SlavePath());

    EXPECT_EQ(std::nullopt, serCom.Connect(2, "I", "NIVOLANTIS", kSettings, 0.2));
    EXPECT_EQ(std::optional<std::int16_t>(0), serCom.Connect(3, "I", "NIVOLANTIS", kSettings, 0.2));
    EXPECT_EQ(0, serCom.CurrentPort());
    EXPECT_EQ("Anschluß vorhanden.", serCom.GetStatus(3)) << "closed again";

    EXPECT_EQ(std::optional<std::int16_t>(kSimPort),
              serCom.Connect(kSimPort, "I", "nivolantis", kSettings, 2.0));
    EXPECT_EQ(kSimPort, serCom.CurrentPort());
    EXPECT_EQ("NIVOLANTIS K417 V2.1", serCom.getBufferStr());
    EXPECT_EQ(1, serCom.ReadEEPROM(7, 1)) << "the port stays open";
}

TEST_F(cSerComTest, ExchangeStartedDuringAWaitIsRefusedAndTouchesNothing) {
    OpenSim();
    sim.SetFaults({.answerDelayS = 0.05});
    bool ran = false, busy = false;
    std::string bufferBefore, bufferAfter;
    std::vector<int> results;
    Platform::Install(std::make_unique<CallbackPump>([&] {
        if (std::exchange(ran, true))
            return;
        busy = serCom.Busy();
        bufferBefore = serCom.getBufferStr();
        results = {serCom.Command("I", -1, 1.0),
                   serCom.ReadEEPROM(7, 1),
                   serCom.WriteEEPROM(7, 1, 3),
                   serCom.ReadFLASH(0),
                   serCom.Connect(kSimPort, "I", "NIVOLANTIS", kSettings, 1.0).value_or(-1),
                   serCom.OpenCom(kSimPort, kSettings),
                   serCom.CloseCom(kSimPort)};
        bufferAfter = serCom.getBufferStr();
    }));
    sim.ClearReceived();
    EXPECT_EQ(2, serCom.Command("Q", 2, 1.0));
    ASSERT_TRUE(ran);
    EXPECT_TRUE(busy);
    EXPECT_EQ(std::vector<int>(7, 0), results);
    EXPECT_EQ(bufferBefore, bufferAfter);
    EXPECT_EQ("Q", sim.Received()) << "the refused exchanges sent nothing";
    EXPECT_EQ(12000, serCom.getBufferLong());
    EXPECT_EQ(kSimPort, serCom.CurrentPort());
    EXPECT_FALSE(serCom.Busy());
}

TEST_F(cSerComTest, WindowEventsRunThroughoutTheWait) {
    OpenSim();
    sim.SetFaults({.silent = true});
    int calls = 0;
    Platform::Install(std::make_unique<CallbackPump>([&] { ++calls; }));
    EXPECT_EQ(0, serCom.Command("Q", 2, 0.1));
    EXPECT_GE(calls, 9) << "at least every 10 ms";
}

TEST_F(cSerComTest, HangUpMidExchangeFailsWithoutWaitingOut) {
    OpenSim();
    sim.SetFaults({.hangUpAfter = 2});
    const double seconds = SecondsOf([&] {
        EXPECT_EQ(0, serCom.ReadEEPROM(10, 1));
        EXPECT_EQ(0, serCom.Command("I", -1, 5.0));
        EXPECT_EQ(0, serCom.Command("Q", 2, 5.0));
    });
    EXPECT_LT(seconds, 1.0);
    EXPECT_TRUE(sim.HungUp());
    EXPECT_EQ(kSimPort, serCom.CloseCom(kSimPort));
}

TEST(PortNamesTest, PortsMapToDevicePaths) {
    EXPECT_EQ("/dev/ttyS0", cSerCom::PortPath(1));
    EXPECT_EQ("/dev/ttyS15", cSerCom::PortPath(16));
    cSerCom::setPortPath(3, "/dev/ttyUSB0");
    EXPECT_EQ("/dev/ttyUSB0", cSerCom::PortPath(3));
    cSerCom::setPortPath(3, "");
    EXPECT_EQ("/dev/ttyS2", cSerCom::PortPath(3));
    EXPECT_THROW(cSerCom::setPortPath(17, "/dev/x"), std::out_of_range);
    EXPECT_EQ(16, cSerCom::PortNumber("com16"));
    EXPECT_EQ(1, cSerCom::PortNumber("COM1"));
    for (const char* bad : {"COM0", "COM17", "COM", "COM1x", "COM-1", "LPT1", "1"})
        EXPECT_EQ(0, cSerCom::PortNumber(bad)) << bad;
}

} // namespace
