// The Windows serial back end against the simulator that serves COM1 from outside this program
// (under wine: nivosim on a pseudo-terminal, mapped by scripts/wine-session.sh). Whole transfers
// through COM1 are checked by the window's tests (Com1WindowTest).

#include "device/DeviceProtocol.h"
#include "device/SerialPort.h"
#include "device/cSerCom.h"
#include "support/CoreTest.h"

#include <chrono>

namespace {

constexpr char kSettings[] = "19200,n,8,1";

class Com1PortTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        ASSERT_TRUE(port->Open("COM1", kSettings)) << port->ErrorDescription();
    }

    /// Sends "I" and collects the answer up to its zero byte (at most 2 s).
    std::string Identification() {
        EXPECT_TRUE(port->Write("I"));
        std::string answer;
        while (answer.find('\0') == std::string::npos &&
               port->WaitReadable(2.0) == SerialWait::Done)
            answer += port->ReadAll();
        return answer;
    }

    std::unique_ptr<SerialPort> port = MakeSerialPort();
};

TEST_F(Com1PortTest, OpeningTellsWhyItFails) {
    auto other = MakeSerialPort();
    EXPECT_FALSE(other->Open("COM9", kSettings));
    EXPECT_EQ("Schnittstelle nicht vorhanden.", other->ErrorDescription());
    port->Close();
    EXPECT_FALSE(other->Open("COM1", "19200,x,8,1"));
    EXPECT_EQ("Ungültige Schnittstellenparameter.", other->ErrorDescription());
    EXPECT_TRUE(other->Open("\\\\.\\COM1", kSettings)) << other->ErrorDescription();
}

TEST_F(Com1PortTest, DeviceAnswersAndSilenceIsATimeOut) {
    EXPECT_NE(std::string::npos, Identification().find("NIVOLANTIS"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SerialWait::Timeout, port->WaitReadable(0.2));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(0u, port->BytesWaiting());
    EXPECT_EQ(SerialWait::Done, port->WaitTransmitted(1.0));
}

TEST_F(Com1PortTest, ClosedPortRefusesEveryOperation) {
    port->Close();
    EXPECT_FALSE(port->Write("I"));
    EXPECT_EQ(SerialWait::Failed, port->WaitReadable(0.1));
    EXPECT_EQ("Schnittstelle ist nicht geöffnet.", port->ErrorDescription());
}

class Com1ChannelTest : public CoreTest {
protected:
    cSerCom serCom;
};

TEST_F(Com1ChannelTest, EveryByteValueTravelsUnchangedBothWays) {
    ASSERT_EQ(1, serCom.Connect(1, "I", "NIVOLANTIS", kSettings, 2.0).port);
    constexpr std::int32_t kAdress = DeviceProtocol::kEepromSize - 1;
    ASSERT_EQ(1, serCom.ReadEEPROM(kAdress, 1));
    const std::uint8_t original = serCom.getBufferByte();
    // Each value goes out in an "L" frame and comes back as its echo and as a "c" answer.
    for (int value = 0; value < 256; ++value) {
        ASSERT_EQ(1, serCom.WriteEEPROM(kAdress, 1, value)) << value;
        ASSERT_EQ(1, serCom.ReadEEPROM(kAdress, 1)) << value;
        ASSERT_EQ(value, serCom.getBufferByte());
    }
    EXPECT_EQ(1, serCom.WriteEEPROM(kAdress, 1, original));
    // Two bytes in one go, least significant first: 1000 = E8 03.
    ASSERT_EQ(1, serCom.ReadEEPROM(kAdress - 1, 1));
    const std::uint8_t before = serCom.getBufferByte();
    EXPECT_EQ(2, serCom.WriteEEPROM(kAdress - 1, 2, 1000));
    EXPECT_EQ(2, serCom.ReadEEPROM(kAdress - 1, 2));
    EXPECT_EQ(1000, serCom.getBufferLong());
    EXPECT_EQ(1, serCom.WriteEEPROM(kAdress - 1, 1, before));
    EXPECT_EQ(1, serCom.WriteEEPROM(kAdress, 1, original));
}

TEST_F(Com1ChannelTest, PortsHaveTheirWindowsNamesUnlessMapped) {
    EXPECT_EQ("COM1", serCom.Names().PortPath(1));
    EXPECT_EQ("COM16", serCom.Names().PortPath(16));
    serCom.Names().setPortPath(16, "\\\\.\\COM1");
    EXPECT_EQ("\\\\.\\COM1", serCom.Names().PortPath(16));
    EXPECT_EQ(16, serCom.Connect(16, "I", "NIVOLANTIS", kSettings, 2.0).port)
        << "COM1 under another name";
}

TEST_F(Com1ChannelTest, PortWithoutDeviceIsNotConnected) {
    EXPECT_FALSE(serCom.Connect(9, "I", "NIVOLANTIS", kSettings, 0.3).Opened());
    EXPECT_EQ("Schnittstelle nicht vorhanden.", serCom.GetStatus(9));
    EXPECT_EQ(1, serCom.OpenCom(1, kSettings));
    EXPECT_EQ("Schnittstelle bereits geöffnet.", serCom.GetStatus(1));
}

} // namespace
