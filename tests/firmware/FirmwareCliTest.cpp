#include "firmware/EepromHexFile.h"
#include "firmware/cHexFile.h"
#include "sim/K417Simulator.h"
#include "support/CliRunner.h"
#include "support/CoreTest.h"

#include <gmock/gmock.h>

#include <numeric>

using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

/// nivoconfig-cli against a simulated device that this test holds on COM1.
class FirmwareCliTest : public CoreTest {
protected:
    FirmwareCliTest() { sim.Start(); }

    /// Runs the command with the file as its last argument.
    CliResult Run(const std::string& command, const std::string& file) {
        return RunCli("--port COM1=" + sim.SlavePath() + " " + command + " '" + file + "'");
    }

    K417Simulator sim;
};

} // namespace

TEST_F(FirmwareCliTest, WrittenFirmwareIsInTheFlashAndReadsBackIntoAFileThatCanBeWrittenAgain) {
    cHexFile hex;
    K417Device::FlashImage expected;
    expected.fill(0xFF);
    for (std::int32_t a = 0; a < 1024; ++a)
        hex.SetByte(a, expected[a] = static_cast<std::uint8_t>(a * 13 + 1));
    hex.ReStructHexData(16, 1024);
    const std::string file = PathOf("fw.hex"), back = PathOf("zurueck.hex");
    WriteBytes(file, hex.HexText() + ":00000001FF\r\n");

    CliResult write = Run("firmware-write", file);
    ASSERT_EQ(0, write.exitCode) << write.out << write.err;
    EXPECT_THAT(write.out, StartsWith("Datei '" + file + "' geöffnet (1024 Bytes).\nBootloader"));
    EXPECT_EQ("", write.err) << "no progress display without a terminal";
    EXPECT_TRUE(expected == sim.Flash());

    CliResult read = Run("firmware-read --size 1100 -o", back);
    ASSERT_EQ(0, read.exitCode) << read.out << read.err;
    EXPECT_EQ(1100, sim.CommandCount('s'));
    sim.SetFlash({});
    CliResult again = Run("firmware-write", back);
    EXPECT_EQ(0, again.exitCode) << again.out << again.err;
    EXPECT_TRUE(expected == sim.Flash());
}

TEST_F(FirmwareCliTest, FirmwareThatDiffersFromTheFileOrWasNotReadCompletelyFailsOnStandardError) {
    const std::string file = PathOf("fw.hex"), back = PathOf("zurueck.hex");
    WriteBytes(file, ":0400000001020304F2\r\n:0400100001020304E3\r\n:00000001FF\r\n");
    CliResult bad = Run("firmware-write", file);
    EXPECT_EQ(1, bad.exitCode);
    // The texts themselves are the firmware transfer's; here: each on its own line of stderr.
    EXPECT_THAT(bad.err, AllOf(StartsWith("Fehler in der Datei '" + file + "', Zeile 2: "),
                               EndsWith(" berechnet.\n")));
    EXPECT_EQ("I", sim.Received()) << "only the device search";

    WriteBytes(file, ":0400000001020304F2\r\n:00000001FF\r\n");
    sim.SetFaults({.wrongFlashEchoAt = 2});
    CliResult echo = Run("firmware-write", file);
    EXPECT_EQ(1, echo.exitCode);
    EXPECT_THAT(echo.err,
                AllOf(StartsWith("Fehler beim Flash schreiben auf Blockadresse 0. "),
                      HasSubstr(" Echo\nDie Firmware im Gerät weicht"), EndsWith(" Byte.\n")));
    EXPECT_THAT(echo.out, EndsWith("Geräte-Reset durchführen.\n"));

    WriteBytes(back, "alt");
    sim.SetFaults({.hangUpAfter = 1 + 1 + 3 * 7 + 2}); // search, identification, 7 bytes read
    CliResult read = Run("firmware-read --size 4096 -o", back);
    EXPECT_EQ(1, read.exitCode);
    EXPECT_THAT(read.err, AllOf(StartsWith("Fehler beim Flash lesen auf Adresse 7. "),
                                EndsWith(" nicht gespeichert.\n")));
    EXPECT_EQ("alt", ReadBytes(back));
}

TEST_F(FirmwareCliTest, EepromDumpIsReadAndWrittenBackAsIntelHex) {
    K417Device::EepromImage image;
    std::iota(image.begin(), image.end(), std::uint8_t{3});
    sim.SetEeprom(image);
    const std::string dump = PathOf("e.eep");

    CliResult read = Run("eeprom-read -o", dump);
    ASSERT_EQ(0, read.exitCode) << read.err;
    // 32 lines of 16 bytes (3, 4, 5, … from address 0 on, wrapping after FF), then the end mark.
    const std::string text = ReadBytes(dump);
    EXPECT_EQ(32 * 45 + 13u, text.size());
    EXPECT_EQ(":10000000030405060708090A0B0C0D0E0F10111248\r\n", text.substr(0, 45));
    EXPECT_EQ(":1001F000F3F4F5F6F7F8F9FAFBFCFDFEFF00010257\r\n:00000001FF\r\n",
              text.substr(31 * 45));
    EXPECT_THAT(sim.Received(), AllOf(StartsWith(std::string("IB\0", 3)), EndsWith("B\xFF")))
        << "the reads form a series after the device search";

    std::reverse(image.begin(), image.end());
    WriteBytes(dump, EepromHexFile::Write(image));
    CliResult write = Run("eeprom-write", dump);
    ASSERT_EQ(0, write.exitCode) << write.err;
    EXPECT_TRUE(image == sim.Eeprom());

    WriteBytes(dump, EepromHexFile::Write(image).substr(0, 16 * 45));
    const int writes = sim.CommandCount('L');
    CliResult partial = Run("eeprom-write", dump);
    EXPECT_EQ(1, partial.exitCode);
    EXPECT_EQ("Die Datei '" + dump + "' enthält nicht genau die EEPROM-Adressen 0 bis 1FF.\n",
              partial.err);
    std::string damaged = EepromHexFile::Write(image);
    damaged.replace(45 + 9, 2, "XY"); // the first data byte of line 2
    WriteBytes(dump, damaged);
    CliResult bad = Run("eeprom-write", dump);
    EXPECT_EQ(1, bad.exitCode);
    EXPECT_EQ("Fehler in der Datei '" + dump +
                  "', Zeile 2: Das Zeichen 'X' an Position 10 ist keine Hexadezimalziffer.\n",
              bad.err);
    EXPECT_EQ(writes, sim.CommandCount('L'));
}

TEST_F(FirmwareCliTest, EepromCellsThatFailAreSkippedNamedAndMakeTheCommandFail) {
    K417Device::EepromImage image;
    std::iota(image.begin(), image.end(), std::uint8_t{3});
    const std::string dump = PathOf("e.eep");
    WriteBytes(dump, EepromHexFile::Write(image));
    sim.SetFaults({.wrongEchoAt = 0x64});
    CliResult write = Run("eeprom-write", dump);
    EXPECT_EQ(1, write.exitCode);
    EXPECT_EQ("Diese EEPROM-Adressen konnten nicht geschrieben werden: 0x64.\n", write.err);
    K417Device::EepromImage expected = image;
    expected[0x64] = K417Device::BlankEeprom()[0x64];
    EXPECT_TRUE(expected == sim.Eeprom()) << "every other cell written";
    EXPECT_EQ(0, sim.CommandCount('B')) << "no series marks around writing";

    WriteBytes(dump, "alt");
    sim.SetFaults({.hangUpAfter = 1 + 2 + 3 * 100 + 1}); // search, "B" 0, cells 0 to 99
    CliResult read = Run("eeprom-read -o", dump);
    EXPECT_EQ(1, read.exitCode);
    EXPECT_EQ("Das Gerät hat diese EEPROM-Adressen nicht beantwortet: 0x64 bis 0x1FF.\n", read.err);
    EXPECT_EQ("alt", ReadBytes(dump));
}
