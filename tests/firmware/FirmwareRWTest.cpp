#include "base/Cancellation.h"
#include "base/Platform.h"
#include "firmware/cFirmwareRW.h"
#include "sim/PseudoTerminal.h"
#include "sim/SimulatorTest.h"

#include <gmock/gmock.h>

#include <map>
#include <numeric>
#include <unistd.h>

using ::testing::DoubleEq;
using ::testing::ElementsAre;
using ::testing::Pointwise;

namespace {

/// Runs the call from every wait of the serial channel.
struct CallingPump : EventPump {
    explicit CallingPump(std::function<void()> f) : call(std::move(f)) {}
    void ProcessEvents() override { call(); }
    std::function<void()> call;
};

class FirmwareRWTest : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        OpenSim();
        expected.fill(0xFF);
        firmware.OnFirmwareRWMessage = [this](const auto& text) { messages.push_back(text); };
        firmware.OnFirmwareRWProgress = [this](double percent) { progress.push_back(percent); };
    }

    static std::uint8_t Pattern(int at) { return static_cast<std::uint8_t>(at * 7 + 3); }

    /// Data records of up to 16 pattern bytes for `count` bytes from offset `from` on, which a
    /// preceding extended address record moves by `base`; `expected` gets the bytes.
    std::string Data(std::int32_t from, std::int32_t count, std::int32_t base = 0) {
        std::string text;
        for (std::int32_t done = 0; done < count; done += 16) {
            cHexRecord record;
            record.setRecordLength(static_cast<std::uint8_t>(std::min(16, count - done)));
            record.setOffset(from + done);
            for (std::uint8_t i = 0; i < record.RecordLength(); ++i) {
                const std::int32_t at = base + from + done + i;
                record.SetRecordData(i, expected.at(at) = Pattern(at));
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

TEST_F(FirmwareRWTest, FileGoesOutBlockByBlockPastAnEchoErrorWhichTheResultReports) {
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

    messages.clear();
    sim.SetFaults({});
    EXPECT_TRUE(firmware.WriteHexFile(file));
    EXPECT_EQ("Geräte-Reset durchführen.", messages.back());
}

TEST_F(FirmwareRWTest, AnswersOneByteTooLongFailAtOnceAndFiveInARowStopTheWrite) {
    sim.SetFaults({.extraByteFrom = 3 + 11}); // "R", "I", "#", then the echo of data byte 10 on
    const std::vector<std::string> faults{"Fehler beim Flash schreiben auf Blockadresse 0. Echo "
                                          "entspricht nicht der erwarteten Antwort.",
                                          "Fehler beim Flash schreiben auf Blockadresse 0. 5 "
                                          "Echofehler in Folge, Übertragung abgebrochen."};
    std::vector<std::string> failures;
    firmware.OnFirmwareRWFault = [&](const auto& text) { failures.push_back(text); };
    const double seconds =
        SecondsOf([&] { EXPECT_FALSE(firmware.WriteHexFile(File(Data(0, 1000)))); });
    EXPECT_LT(seconds, 2.0) << "no time-out waited for";
    EXPECT_THAT(failures,
                ElementsAre(faults[0], faults[0], faults[0], faults[0], faults[0], faults[1]));
    EXPECT_EQ("Daten werden geschrieben 06.12.2026 14:05:09", messages.back())
        << "failures go to their own event";
    EXPECT_EQ(2 + 1 + 3 + 15u, sim.Received().size()) << "R 0 I # hi lo, data bytes 0 to 14";
    EXPECT_TRUE(sim.InBootloader()) << "no reset after the stop";
}

TEST_F(FirmwareRWTest, GapsAreErasedBytesAndExtendedAddressesPlaceTheData) {
    // A gap inside block 0, data across into block 80h, then 32 bytes moved to 1000h by a
    // segment base of 100h.
    EXPECT_TRUE(firmware.WriteHexFile(
        File(Data(0, 100) + Data(120, 16) + ":020000020100FB\r\n" + Data(0, 32, 0x1000))));
    EXPECT_EQ(33, sim.CommandCount('#'));
    EXPECT_TRUE(expected == sim.Flash());
    EXPECT_DOUBLE_EQ(4096.0 / 4128 * 100, progress.at(32)) << "up to the highest address";
}

TEST_F(FirmwareRWTest, FilesWithoutDataOrBeyondTheFlashAreRefusedBeforeAnythingIsSent) {
    const auto refusal = [this](const std::string& path) {
        EXPECT_FALSE(firmware.WriteHexFile(path));
        return messages.empty() ? std::string() : messages.back();
    };
    const std::string file = PathOf("fw.hex"), missing = PathOf("fehlt.hex");
    EXPECT_EQ("Die Datei '" + file + "' enthält keine Daten.", refusal(File("")));
    EXPECT_EQ("Die Datei '" + file + "' enthält Daten außerhalb des Flash-Speichers (0 bis 7FFF).",
              refusal(File(":01800000FF80\r\n")));
    EXPECT_EQ("Fehler beim Öffnen der Datei '" + missing +
                  "'. Datei nicht vorhanden oder keine Hex-Datei.",
              refusal(missing));
    EXPECT_EQ("Fehler in der Datei '" + file +
                  "', Zeile 3: Die Prüfsumme ist falsch: F3 gelesen, "
                  "F2 berechnet.",
              refusal(File(Data(0, 32) + ":0400000001020304F3\r\n" + Data(32, 16))));
    EXPECT_EQ("Fehler in der Datei '" + file + "', Zeile 2: Die Zeile ist leer.",
              refusal(File(Data(0, 16) + "\r\n" + Data(16, 16))));
    EXPECT_GT(serCom.Command("I", -1, 2.0), 0) << "an exchange the device takes in last";
    EXPECT_EQ("I", sim.Received());
}

TEST_F(FirmwareRWTest, NoAnswerToTheBootloaderCallStopsWithNothingElseSent) {
    sim.SetFaults({.silent = true});
    const std::string file = File(Data(0, 16));
    EXPECT_FALSE(firmware.WriteHexFile(file));
    EXPECT_THAT(messages, ElementsAre("Datei '" + file + "' geöffnet (16 Bytes).",
                                      "Fehler beim Aufrufen des Bootloaders."));
    EXPECT_EQ(Bytes({'R', 0}), sim.Received());
}

TEST_F(FirmwareRWTest, ADeviceProgrammingABlockForSecondsIsWaitedFor) {
    sim.SetFaults({.flashBlockS = 1.5}); // the block's reply may take up to 6 s
    EXPECT_TRUE(firmware.WriteHexFile(File(Data(0, 128))));
    EXPECT_TRUE(expected == sim.Flash());
}

TEST_F(FirmwareRWTest, ABootloaderNamedOnlyBootloadIsRefused) {
    // A bootloader whose texts the simulator does not offer, answering from the channel's waits.
    PseudoTerminal line;
    std::map<std::string, std::string> replies{
        {Bytes({'R', 0}), "R"}, {Bytes({'R', 0, 'I'}), std::string("BOOTLOAD\0", 9)}};
    std::string received;
    Platform::Install(std::make_unique<CallingPump>([&] {
        char chunk[64];
        const ssize_t got = ::read(line.MasterFd(), chunk, sizeof chunk);
        if (got > 0) {
            const std::string& reply = replies[received.append(chunk, got)];
            EXPECT_EQ(ssize_t(reply.size()), ::write(line.MasterFd(), reply.data(), reply.size()));
        }
    }));
    serCom.setPortPath(2, line.SlavePath());
    ASSERT_EQ(2, serCom.OpenCom(2, kSettings));
    EXPECT_FALSE(firmware.WriteHexFile(File(Data(0, 16))));
    EXPECT_EQ("Kann Bootloader nicht identifizieren: 'BOOTLOAD'", messages.back());
    EXPECT_EQ(Bytes({'R', 0, 'I'}), received);
}

TEST_F(FirmwareRWTest, ReadingSavesAllFlashRecordsWithBytesBeyondTheSizeErasedOrSaysWhyNot) {
    K417Device::FlashImage flash;
    std::iota(flash.begin(), flash.end(), std::uint8_t{3});
    sim.SetFlash(flash);
    const std::string file = PathOf("aus.hex");
    EXPECT_TRUE(firmware.ReadHexFile(300, file));
    EXPECT_THAT(messages,
                ElementsAre("Verbindung zum Gerät hergestellt: 'NIVOLANTIS K417 V2.1'.",
                            "Die Firmware wird aus dem Gerät ausgelesen. Dieser Vorgang kann "
                            "einige Zeit dauern.",
                            "Hex-Daten aufbereitet.",
                            "Hex-Daten in Datei '" + file + "' gespeichert."));
    EXPECT_DOUBLE_EQ(299.0 / 300 * 100, progress.at(299));
    EXPECT_EQ(0, progress.back());

    cHexFile saved;
    ASSERT_TRUE(saved.OpenHexFile(file));
    EXPECT_EQ(2048u, saved.HexRecords().size());
    for (std::int32_t a = 0; a < 32768; ++a) {
        std::uint8_t value = 0;
        ASSERT_TRUE(saved.GetByte(a, value)) << a;
        ASSERT_EQ(a < 300 ? flash[a] : 0xFF, value) << a;
    }

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

TEST_F(FirmwareRWTest, OneObjectRunsTransfersOneAfterTheOtherEachFromItsOwnImage) {
    K417Device::FlashImage flash;
    std::iota(flash.begin(), flash.end(), std::uint8_t{3});
    sim.SetFlash(flash);
    ASSERT_TRUE(firmware.ReadHexFile(300, PathOf("lang.hex")));
    ASSERT_TRUE(firmware.ReadHexFile(100, PathOf("kurz.hex")));
    cHexFile saved;
    ASSERT_TRUE(saved.OpenHexFile(PathOf("kurz.hex")));
    for (std::int32_t a = 0; a < 300; ++a) {
        std::uint8_t value = 0;
        ASSERT_TRUE(saved.GetByte(a, value)) << a;
        ASSERT_EQ(a < 100 ? flash[a] : 0xFF, value) << "nothing left from the first read at " << a;
    }

    EXPECT_TRUE(firmware.WriteHexFile(File(Data(0, 16))));
    const auto written = sim.Flash();
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + 128, written.begin()));
}

TEST_F(FirmwareRWTest, AByteNotReadEndsTheReadAtOnceAndLeavesAnEarlierFileAsItWas) {
    const std::string file = PathOf("aus.hex");
    const auto failsAt = [&](const char* adress) {
        WriteBytes(file, "alt");
        messages.clear();
        const double seconds = SecondsOf([&] { EXPECT_FALSE(firmware.ReadHexFile(4096, file)); });
        EXPECT_LT(seconds, 1.0) << adress;
        EXPECT_EQ("Fehler beim Flash lesen auf Adresse " + std::string(adress) +
                      ". Keine gültige Antwort vom Gerät, die Datei '" + file +
                      "' wurde nicht gespeichert.",
                  messages.back());
        EXPECT_EQ("alt", ReadBytes(file));
    };
    sim.SetFaults({.extraByteFrom = 1 + 51}); // "I", then the read of address 50
    failsAt("32");
    EXPECT_EQ(51, sim.CommandCount('s')) << "nothing read after the failure";
    sim.SetFaults({.hangUpAfter = 1 + 3 * 100 + 2}); // in the middle of the frame for 64h
    failsAt("64");
}

TEST_F(FirmwareRWTest, ACancelledReadStopsAtTheNextByteAndSavesNothing) {
    const std::string file = PathOf("aus.hex");
    WriteBytes(file, "alt");
    Cancellation cancel;
    firmware.setUserCancel(&cancel);
    Platform::Install(std::make_unique<CallingPump>([&] {
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

TEST_F(FirmwareRWTest, TransfersStartedWhileTheChannelWaitsAreRefused) {
    const std::string file = File(Data(0, 16));
    bool wrote = true, read = true, first = true;
    Platform::Install(std::make_unique<CallingPump>([&] {
        if (std::exchange(first, false)) {
            wrote = firmware.WriteHexFile(file);
            read = firmware.ReadHexFile(16, PathOf("a.hex"));
        }
    }));
    EXPECT_GT(serCom.Command("I", -1, 2.0), 0);
    EXPECT_FALSE(wrote || read);
    EXPECT_EQ(
        std::vector<std::string>(2, "Die Schnittstelle ist belegt: eine andere Übertragung läuft."),
        messages);
    EXPECT_EQ("I", sim.Received());
}
