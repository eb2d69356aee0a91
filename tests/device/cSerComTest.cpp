#include "base/Platform.h"
#include "support/CallbackPump.h"
#include "support/SimulatorTest.h"
#include "support/SkippingClock.h"

#include <tuple>
#include <utility>

namespace {

using cSerComTest = SimulatorTest;

// The one test that waits for real time-outs, 0.1 s each.
TEST_F(cSerComTest, CompleteAnswersReturnAtOnceIncompleteOnesAfterTheTimeOut) {
    OpenSim();
    const double fast = SecondsOf([&] {
        EXPECT_EQ(20, serCom.Command("I", -1, 1.0));
        EXPECT_EQ("NIVOLANTIS K417 V2.1", serCom.getBufferStr()) << "without its zero byte";
        EXPECT_EQ(2, serCom.Command("Q", 2, 1.0));
        EXPECT_EQ(12000, serCom.getBufferLong());
        EXPECT_EQ(0, serCom.Command("a", 0, 1.0)) << "awaits nothing";
    });
    EXPECT_LT(fast, 2.0) << "three time-outs of 1 s were not awaited";

    int calls = 0;
    Platform::Install(std::make_unique<CallbackPump>([&] { ++calls; }));
    // {fault, characters kept, text kept}: without the closing zero byte the last one goes.
    const std::tuple<K417Faults, int, std::string> timedOut[] = {
        {{.garbage = "NIVO\r\nLANTIS"}, 11, "NIVO\r\nLANTI"}, {{.silent = true}, 0, ""}};
    for (const auto& [fault, kept, text] : timedOut) {
        sim.SetFaults(fault);
        calls = 0;
        const double seconds = SecondsOf([&] { EXPECT_EQ(kept, serCom.Command("I", -1, 0.1)); });
        EXPECT_EQ(text, serCom.getBufferStr());
        EXPECT_GE(seconds, 0.1) << text;
        EXPECT_LT(seconds, 1.0) << text;
        // Every wait slice of at most 10 ms lets events run; a loaded machine may stretch a
        // slice, never skip the events in it.
        EXPECT_GE(calls, 5) << "window events while waiting";
    }
}

TEST_F(cSerComTest, AnAnswerTooLongOrCutByAHangUpFailsAtOnce) {
    OpenSim();
    sim.SetFaults({.extraByteFrom = 1});
    const double seconds = SecondsOf([&] {
        EXPECT_EQ(0, serCom.Command("Q", 2, 5.0));
        EXPECT_EQ(0, serCom.ReadEEPROM(7, 1));
        EXPECT_EQ(0, serCom.Command("I", -1, 5.0)) << "a byte after the closing zero byte";
    });
    EXPECT_LT(seconds, 1.0) << "no waiting for the time-out";
    sim.SetFaults({});
    EXPECT_EQ(2, serCom.Command("Q", 2, 1.0)) << "the next exchange is clean";

    sim.SetFaults({.hangUpAfter = 8}); // two "c" frames and part of a third
    const double hungUp = SecondsOf([&] {
        EXPECT_EQ(0, serCom.ReadEEPROM(10, 4));
        EXPECT_EQ(Bytes({0xFF, 0xFF}), serCom.getBufferStr()) << "the bytes before stay";
        EXPECT_EQ(0, serCom.Command("Q", 2, 5.0));
    });
    EXPECT_LT(hungUp, 0.9) << "without waiting for the 1 s byte time-out";
}

TEST_F(cSerComTest, ALateAnswerIsNeverTakenForTheNextExchange) {
    OpenSim();
    auto image = K417Device::BlankEeprom();
    image[3] = 0x30;
    sim.SetEeprom(image);
    sim.SetBaudRate(1200); // the next answer follows the late one 8 ms later
    sim.SetFaults({.answerDelayS = 1.1, .faultyUntil = 1});
    EXPECT_EQ(0, serCom.ReadEEPROM(1, 1)) << "0.1 s too late";
    // Its answer comes now, and the answer to address 2 just behind it: neither may count.
    EXPECT_EQ(0, serCom.ReadEEPROM(2, 1));
    EXPECT_EQ(1, serCom.ReadEEPROM(3, 1));
    EXPECT_EQ(0x30, serCom.getBufferByte());
}

TEST_F(cSerComTest, MemoryFramesAndValuesOnTheWireAndNothingAfterAWrongEcho) {
    OpenSim();
    K417Device::FlashImage flash{};
    flash[0x1234] = 0x5A;
    sim.SetFlash(flash);
    EXPECT_EQ(1, serCom.ReadFLASH(0x1234));
    EXPECT_EQ(0x5A, serCom.getBufferByte());
    EXPECT_EQ(2, serCom.WriteEEPROM(0x1C4, 2, 1000));
    EXPECT_EQ(2, serCom.ReadEEPROM(0x1C4, 2));
    EXPECT_EQ(1000, serCom.getBufferLong());
    EXPECT_EQ(Bytes({'s', 0x12, 0x34, 'L', 0x01, 0xC4, 0xE8, 'L', 0x01, 0xC5, 0x03, 'c', 0x01, 0xC4,
                     'c', 0x01, 0xC5}),
              sim.Received())
        << "address high byte first, value low byte first";
    EXPECT_THROW(serCom.ReadEEPROM(65535, 2), std::out_of_range);
    sim.ClearReceived();
    EXPECT_EQ(1, serCom.ReadEEPROM(65535, 1)) << "the last address travels as FF FF";
    EXPECT_EQ(1, serCom.ReadFLASH(65535));
    EXPECT_EQ(Bytes({'c', 0xFF, 0xFF, 's', 0xFF, 0xFF}), sim.Received());

    // Four-byte values are covered by the device transfer test.
    EXPECT_EQ(2, serCom.WriteEEPROM(15, 2, -2));
    EXPECT_EQ(2, serCom.ReadEEPROM(15, 2));
    EXPECT_EQ(65534, serCom.getBufferLong()) << "fewer than four bytes stay unsigned";
    EXPECT_EQ(-2, serCom.getBufferInt());

    sim.SetFaults({.wrongEchoAt = 10});
    sim.ClearReceived();
    EXPECT_EQ(0, serCom.WriteEEPROM(10, 2, 2000));
    EXPECT_EQ(Bytes({'L', 0x00, 0x0A, 0xD0}), sim.Received());
}

TEST_F(cSerComTest, TheTraceShowsEveryByteOnTheLineAndStopsAtItsLimit) {
    struct TraceClock : SkippingClock {
        DateTime Now() const override { return {2026, 12, 6, 14, 5, 9, 87}; }
    };
    Platform::Install(std::make_unique<TraceClock>());
    auto image = K417Device::BlankEeprom();
    image[7] = 'A';
    sim.SetEeprom(image);
    serCom.Names().setPortPath(2, PathOf("missing-port"));
    const std::string file = PathOf("trace/Mitschnitt.txt");
    ASSERT_EQ("", serCom.Trace().setFile(file));
    EXPECT_EQ(0, serCom.OpenCom(2, kSettings));
    ASSERT_EQ(kSimPort, serCom.Connect(kSimPort, "I", "NIVOLANTIS", kSettings, 2.0).port);
    EXPECT_EQ(1, serCom.ReadEEPROM(7, 1));
    // "I" is 49 hex; the answer "NIVOLANTIS K417 V2.1" and its zero byte, all on one line however
    // it came in; then the EEPROM read "c", address 0007, answered by the byte there.
    EXPECT_EQ("14:05:09.087 -- Mitschnitt beginnt am 2026-12-06\n"
              "14:05:09.087 COM2 = " +
                  PathOf("missing-port") +
                  " 19200,n,8,1 ! Schnittstelle nicht vorhanden.\n"
                  "14:05:09.087 COM1 = " +
                  sim.SlavePath() +
                  " 19200,n,8,1\n"
                  "14:05:09.087 COM1 > 49  |I|\n"
                  "14:05:09.087 COM1 < 4E 49 56 4F 4C 41 4E 54 49 53 20 4B 34 31 37 20 56 32 2E "
                  "31 00  |NIVOLANTIS K417 V2.1.|\n"
                  "14:05:09.087 COM1 > 63 00 07  |c..|\n"
                  "14:05:09.087 COM1 < 41  |A|\n",
              ReadBytes(file))
        << "written at the end of each operation, before the channel ends";
    EXPECT_EQ("", serCom.Trace().setFile(""));

    // The file never grows past its limit: the line that would pass it becomes the closing note.
    constexpr std::uintmax_t kLimit = 1000;
    ByteTrace small(kLimit);
    const std::string limited = PathOf("limited.txt");
    ASSERT_EQ("", small.setFile(limited));
    for (int i = 0; i < 100; ++i)
        small.Sent(3, std::string(8, '\x1b'));
    small.Received(3, "late");
    small.Flush();
    const std::string note =
        "Mitschnitt beendet: die Datei hat ihre Grenze von 1000 Bytes erreicht.";
    EXPECT_EQ(note, small.Failure());
    EXPECT_EQ("", small.File()) << "the trace stopped";
    const std::string content = ReadBytes(limited);
    EXPECT_LE(content.size(), kLimit);
    EXPECT_NE(std::string::npos,
              content.find("14:05:09.087 COM3 > 1B 1B 1B 1B 1B 1B 1B 1B  |........|\n"));
    EXPECT_EQ("14:05:09.087 -- " + note + "\n",
              content.substr(content.rfind('\n', content.size() - 2) + 1));
    EXPECT_EQ("", small.setFile(PathOf("other.txt"))) << "a new file starts anew";
}

// Connecting to ports without a device: see the device transfer test.
TEST_F(cSerComTest, PortNumbersStatusAndWhatConnectTellsApart) {
    EXPECT_THROW(serCom.Names().setPortPath(17, "/dev/x"), std::out_of_range);
    EXPECT_EQ("Ungültige Schnittstellennummer.", serCom.GetStatus(17));
    EXPECT_EQ(16, PortNames::PortNumber("com16"));
    for (const char* bad : {"COM0", "COM17", "COM", "COM1x", "COM-1", "LPT1", "1"})
        EXPECT_EQ(0, PortNames::PortNumber(bad)) << bad;
    serCom.Names().setPortPath(2, PathOf("missing-port"));
    EXPECT_EQ("Schnittstelle nicht vorhanden.", serCom.GetStatus(2));
    EXPECT_EQ(0, serCom.OpenCom(2, kSettings));
    EXPECT_EQ(0, serCom.Command("Q", 2, 1.0)) << "a failed open leaves no port current";

    cSerCom holder; // another handle holds the port open for itself
    holder.Names().setPortPath(kSimPort, sim.SlavePath());
    ASSERT_EQ(kSimPort, holder.OpenCom(kSimPort, kSettings));
    EXPECT_EQ("Schnittstelle bereits geöffnet.", holder.GetStatus(kSimPort));
    const ConnectResult busy = serCom.Connect(kSimPort, "I", "NIVOLANTIS", kSettings, 0.2);
    EXPECT_EQ(ConnectResult::kNotOpened, busy.outcome);
    EXPECT_EQ(OpenFault::InUse, busy.fault);
    EXPECT_EQ("Schnittstelle wird bereits verwendet (von diesem Programm).",
              serCom.OpenError(kSimPort));
    holder.CloseCom(kSimPort);

    sim.SetFaults({.silent = true});
    EXPECT_EQ(ConnectResult::kNoAnswer,
              serCom.Connect(kSimPort, "I", "NIVOLANTIS", kSettings, 0.2).outcome);
    EXPECT_EQ(0, serCom.CurrentPort()) << "closed again";
    sim.SetFaults({.garbage = std::string("K418", 5)});
    EXPECT_EQ(ConnectResult::kWrongAnswer,
              serCom.Connect(kSimPort, "I", "NIVOLANTIS", kSettings, 0.2).outcome);
    sim.SetFaults({});
    EXPECT_EQ(kSimPort, serCom.Connect(kSimPort, "I", "nivolantis", kSettings, 2.0).port)
        << "the device name in any letter case";
}

TEST_F(cSerComTest, OperationStartedDuringAWaitIsRefusedAndSendsNothing) {
    OpenSim();
    sim.SetFaults({.answerDelayS = 0.05});
    bool ran = false;
    std::vector<int> nested; // Busy(), then the result of every operation
    Platform::Install(std::make_unique<CallbackPump>([&] {
        if (!std::exchange(ran, true))
            nested = {serCom.Busy(),
                      serCom.Command("I", -1, 1.0),
                      serCom.ReadEEPROM(7, 1),
                      serCom.WriteEEPROM(7, 1, 3),
                      serCom.ReadFLASH(0),
                      serCom.OpenCom(kSimPort, kSettings),
                      serCom.CloseCom(kSimPort),
                      serCom.Connect(kSimPort, "I", "NIVOLANTIS", kSettings, 1.0).outcome};
    }));
    sim.ClearReceived();
    EXPECT_EQ(2, serCom.Command("Q", 2, 1.0));
    EXPECT_EQ((std::vector<int>{1, 0, 0, 0, 0, 0, 0, ConnectResult::kRefused}), nested);
    EXPECT_EQ("Q", sim.Received());
}

} // namespace
