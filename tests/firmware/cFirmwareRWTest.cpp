#include "firmware/cFirmwareRW.h"
#include "base/Cancellation.h"
#include "base/Platform.h"
#include "sim/PseudoTerminal.h"
#include "support/CallbackPump.h"
#include "support/SimulatorTest.h"

#include <gmock/gmock.h>

#include <map>
#include <numeric>
#include <unistd.h>

using ::testing::DoubleEq;
using ::testing::ElementsAre;
using ::testing::Pointwise;

namespace {

class cFirmwareRWTest : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        OpenSim();
        expected.fill(0xFF);
        firmware.OnFirmwareRWMessage = [this](const auto& text) { messages.push_back(text); };
        firmware.OnFirmwareRWProgress = [this](double percent) { progress.push_back(percent); };
    }

    /// Data records of up to 16 bytes (7 × address + 3) for `count` bytes from offset `from` on,
    /// which a preceding extended address record moves by `base`; `expected` gets the bytes.
    std::string Data(std::int32_t from, std::int32_t count, std::int32_t base = 0) {
        std::string text;
        for (std::int32_t done = 0; done < count; done += 16) {
            cHexRecord record;
            record.setRecordLength(static_cast<std::uint8_t>(std::min(16, count - done)));
            record.setOffset(from + done);
            for (std::uint8_t i = 0; i < record.RecordLength(); ++i) {
                const std::int32_t at = base + from + done + i;
                record.SetRecordData(i, expected.at(at) = static_cast<std::uint8_t>(at * 7 + 3));
            }
            text += record.RecordStr() + "\r\n";
        }
        return text;
    }

    std::string File(const std::string& records) {
        WriteBytes(PathOf("fw.hex"), records + ":00000001FF\r\n");
        return PathOf("fw.hex");
    }

    cFirmwareRW firmware{serCom};
    std::vector<std::string> messages;
    std::vector<double> progress;
    K417Device::FlashImage expected{};
};

} // namespace

TEST_F(cFirmwareRWTest, FileGoesOutBlockByBlockPastAnEchoErrorWhichTheResultReports) {
    sim.SetFaults({.wrongFlashEchoAt = 130});
    const std::string file = File(Data(0, 1000));
    EXPECT_FALSE(firmware.WriteHexFile(file));
    EXPECT_THAT(messages,
                ElementsAre("Datei '" + file + "' geöffnet (1000 Bytes).", "Bootloader aufgerufen.",
                            "Bootloader identifiziert: 'NIVOLANTIS K417 Bootloader V1.0'",
                            "Daten werden geschrieben 06.12.2026 14:05:09",
                            "Fehler beim Flash schreiben auf Blockadresse 80. Daten <> Echo",
                            "Daten mit Fehlern geschrieben 06.12.2026 14:05:09",
                            "Geräte-Reset durchführen.",
                            "Die Firmware im Gerät weicht von der Datei '" + file +
                                "' ab: Echofehler bei 1 Byte."));
    EXPECT_THAT(progress, Pointwise(DoubleEq(), std::vector<double>{0, 12.8, 25.6, 38.4, 51.2, 64,
                                                                    76.8, 89.6, 0}));
    EXPECT_TRUE(expected == sim.Flash()) << "bytes 0 to 999, then 0xFF";
    EXPECT_FALSE(sim.InBootloader());
    EXPECT_EQ(3 + 8 * (3 + 128) + 3u, sim.Received().size()) << "R 0 I, 8 × (# hi lo data), 3 0 0";
}

TEST_F(cFirmwareRWTest, AnswersOneByteTooLongFailAtOnceAndFiveInARowStopTheWrite) {
    sim.SetFaults({.extraByteFrom = 3 + 11}); // "R", "I", "#", then the echo of data byte 10 on
    const std::string echo = "Fehler beim Flash schreiben auf Blockadresse 0. Echo entspricht "
                             "nicht der erwarteten Antwort.";
    std::vector<std::string> failures;
    firmware.OnFirmwareRWFault = [&](const auto& text) { failures.push_back(text); };
    const double seconds =
        SecondsOf([&] { EXPECT_FALSE(firmware.WriteHexFile(File(Data(0, 1000)))); });
    EXPECT_LT(seconds, 2.0) << "no time-out waited for";
    EXPECT_THAT(failures, ElementsAre(echo, echo, echo, echo, echo,
                                      "Fehler beim Flash schreiben auf Blockadresse 0. 5 "
                                      "Echofehler in Folge, Übertragung abgebrochen."));
    EXPECT_EQ("Daten werden geschrieben 06.12.2026 14:05:09", messages.back())
        << "failures go to their own event";
    EXPECT_EQ(2 + 1 + 3 + 15u, sim.Received().size()) << "R 0 I # hi lo, data bytes 0 to 14";
    EXPECT_TRUE(sim.InBootloader()) << "no reset after the stop";
}

TEST_F(cFirmwareRWTest, GapsAreErasedBytesAndExtendedAddressesPlaceTheData) {
    // A gap inside block 0, data across into block 80h, then 32 bytes moved to 1000h by a
    // segment base of 100h; a device programming a block for 1,5 s is waited for (up to 6 s).
    EXPECT_TRUE(firmware.WriteHexFile(
        File(Data(0, 100) + Data(120, 16) + ":020000020100FB\r\n" + Data(0, 32, 0x1000))));
    EXPECT_EQ(33, sim.CommandCount('#'));
    EXPECT_TRUE(expected == sim.Flash());
    EXPECT_DOUBLE_EQ(4096.0 / 4128 * 100, progress.at(32)) << "up to the highest address";

    sim.SetFaults({.flashBlockS = 1.5});
    EXPECT_TRUE(firmware.WriteHexFile(File(Data(0, 128))));
    EXPECT_EQ("Geräte-Reset durchführen.", messages.back());
}

TEST_F(cFirmwareRWTest, WritesThatCannotStartSayWhyAndSendNothing) {
    const std::string file = PathOf("fw.hex"), missing = PathOf("fehlt.hex");
    const std::pair<std::string, std::string> refused[] = {
        {"", "Die Datei '" + file + "' enthält keine Daten."},
        {":01800000FF80\r\n",
         "Die Datei '" + file + "' enthält Daten außerhalb des Flash-Speichers (0 bis 7FFF)."},
        {Data(0, 32) + ":0400000001020304F3\r\n",
         "Fehler in der Datei '" + file +
             "', Zeile 3: Die Prüfsumme ist falsch: F3 gelesen, "
             "F2 berechnet."},
    };
    for (const auto& [records, message] : refused) {
        EXPECT_FALSE(firmware.WriteHexFile(File(records)));
        EXPECT_EQ(message, messages.back());
    }
    EXPECT_FALSE(firmware.WriteHexFile(missing));
    EXPECT_EQ("Fehler beim Öffnen der Datei '" + missing +
                  "'. Datei nicht vorhanden oder keine Hex-Datei.",
              messages.back());
    EXPECT_GT(serCom.Command("I", -1, 2.0), 0) << "an exchange the device takes in last";
    EXPECT_EQ("I", sim.Received());
}

TEST_F(cFirmwareRWTest, ABootloaderNamedOnlyBootloadIsRefused) {
    // A bootloader whose texts the simulator does not offer, answering from the channel's waits.
    PseudoTerminal line;
    std::map<std::string, std::string> replies{
        {Bytes({'R', 0}), "R"}, {Bytes({'R', 0, 'I'}), std::string("BOOTLOAD\0", 9)}};
    std::string received;
    Platform::Install(std::make_unique<CallbackPump>([&] {
        char chunk[64];
        const ssize_t got = ::read(line.MasterFd(), chunk, sizeof chunk);
        if (got > 0) {
            const std::string& reply = replies[received.append(chunk, got)];
            EXPECT_EQ(ssize_t(reply.size()), ::write(line.MasterFd(), reply.data(), reply.size()));
        }
    }));
    serCom.Names().setPortPath(2, line.SlavePath());
    ASSERT_EQ(2, serCom.OpenCom(2, kSettings));
    EXPECT_FALSE(firmware.WriteHexFile(File(Data(0, 16))));
    EXPECT_EQ("Kann Bootloader nicht identifizieren: 'BOOTLOAD'", messages.back());
    EXPECT_EQ(Bytes({'R', 0, 'I'}), received);
}

TEST_F(cFirmwareRWTest, EachReadSavesAllFlashRecordsFromItsOwnImageOrSaysWhyNot) {
    K417Device::FlashImage flash;
    std::iota(flash.begin(), flash.end(), std::uint8_t{3});
    sim.SetFlash(flash);
    ASSERT_TRUE(firmware.ReadHexFile(300, PathOf("lang.hex")));
    messages.clear();
    progress.clear();
    const std::string file = PathOf("aus.hex");
    EXPECT_TRUE(firmware.ReadHexFile(100, file));
    EXPECT_THAT(messages,
                ElementsAre("Verbindung zum Gerät hergestellt: 'NIVOLANTIS K417 V2.1'.",
                            "Die Firmware wird aus dem Gerät ausgelesen. Dieser Vorgang kann "
                            "einige Zeit dauern.",
                            "Hex-Daten aufbereitet.",
                            "Hex-Daten in Datei '" + file + "' gespeichert."));
    EXPECT_DOUBLE_EQ(99.0 / 100 * 100, progress.at(99));
    EXPECT_EQ(0, progress.back());
    // 2048 records of 16 bytes without an end mark; bytes 100 on are erased, whatever the
    // first read saved.
    const std::string saved = ReadBytes(file);
    EXPECT_EQ(2048 * 45u, saved.size());
    EXPECT_EQ(":1000600063646566FFFFFFFFFFFFFFFFFFFFFFFF0A\r\n", saved.substr(6 * 45, 45));

    sim.SetIdentification("K418 V1.0");
    EXPECT_FALSE(firmware.ReadHexFile(16, PathOf("a.hex")));
    EXPECT_EQ("Unbekannter Gerätename 'K418 V1.0'.", messages.back());
    sim.SetIdentification("Nivolantis K417");
    const std::string unwritable = PathOf("fehlt/a.hex");
    EXPECT_FALSE(firmware.ReadHexFile(16, unwritable));
    EXPECT_EQ("Fehler in Funktion 'ReadHexFile()'.\r\nDie Datei '" + unwritable +
                  "' konnte nicht gespeichert werden.",
              messages.back());
}

TEST_F(cFirmwareRWTest, ACancelEndsTheReadAtOnceAndLeavesAnEarlierFileAsItWas) {
    const std::string file = PathOf("aus.hex");
    WriteBytes(file, "alt");
    Cancellation cancel;
    firmware.setUserCancel(&cancel);
    Platform::Install(std::make_unique<CallbackPump>([&] {
        if (sim.CommandCount('s') >= 40)
            cancel.Request();
    }));
    EXPECT_FALSE(firmware.ReadHexFile(4096, file));
    EXPECT_TRUE(firmware.Cancelled());
    EXPECT_LE(sim.CommandCount('s'), 41) << "stopped at the next byte";
    EXPECT_EQ("Auslesen abgebrochen, die Datei '" + file + "' wurde nicht gespeichert.",
              messages.back());
    EXPECT_EQ("alt", ReadBytes(file));
}
