// The firmware and EEPROM commands: steps on standard output, failures on standard error and in
// the exit code. The texts themselves belong to the transfers and their tests.
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

TEST_F(FirmwareCliTest, FirmwareIsWrittenAndReadBackWithFailuresOnStandardError) {
    const std::string file = PathOf("fw.hex"), back = PathOf("zurueck.hex");
    WriteBytes(file, ":0400000001020304F2\r\n:00000001FF\r\n");
    CliResult write = Run("firmware-write", file);
    EXPECT_EQ(0, write.exitCode) << write.out << write.err;
    EXPECT_THAT(write.out, StartsWith("Datei '" + file + "' geöffnet (4 Bytes).\nBootloader"));
    EXPECT_EQ("", write.err) << "no progress display without a terminal";

    CliResult read = Run("firmware-read --size 4 -o", back);
    EXPECT_EQ(0, read.exitCode) << read.out << read.err;
    EXPECT_EQ(":1000000001020304FFFFFFFFFFFFFFFFFFFFFFFFF2\r\n", ReadBytes(back).substr(0, 45));

    sim.SetFaults({.wrongFlashEchoAt = 2});
    CliResult echo = Run("firmware-write", file);
    EXPECT_EQ(1, echo.exitCode);
    EXPECT_THAT(echo.err,
                AllOf(StartsWith("Fehler beim Flash schreiben auf Blockadresse 0. "),
                      HasSubstr(" Echo\nDie Firmware im Gerät weicht"), EndsWith(" Byte.\n")));
    EXPECT_THAT(echo.out, EndsWith("Geräte-Reset durchführen.\n"));
}

TEST_F(FirmwareCliTest, EepromDumpIsReadAndWrittenBackAndCellsThatFailAreNamed) {
    K417Device::EepromImage image;
    std::iota(image.begin(), image.end(), std::uint8_t{3});
    sim.SetEeprom(image);
    const std::string dump = PathOf("e.eep");
    ASSERT_EQ(0, Run("eeprom-read -o", dump).exitCode);
    // 32 lines of 16 bytes (3, 4, 5, … from address 0 on), then the end mark.
    const std::string text = ReadBytes(dump);
    EXPECT_EQ(32 * 45 + 13u, text.size());
    EXPECT_EQ(":10000000030405060708090A0B0C0D0E0F10111248\r\n", text.substr(0, 45));

    sim.SetEeprom({});
    ASSERT_EQ(0, Run("eeprom-write", dump).exitCode);
    EXPECT_TRUE(image == sim.Eeprom());

    sim.SetFaults({.wrongEchoAt = 0x64});
    CliResult write = Run("eeprom-write", dump);
    EXPECT_EQ(1, write.exitCode);
    EXPECT_EQ("Diese EEPROM-Adressen konnten nicht geschrieben werden: 0x64.\n", write.err);

    sim.SetFaults({.hangUpAfter = 1 + 2 + 3 * 100 + 1}); // search, "B" 0, cells 0 to 99
    CliResult read = Run("eeprom-read -o", PathOf("f.eep"));
    EXPECT_EQ(1, read.exitCode);
    EXPECT_EQ("Das Gerät hat diese EEPROM-Adressen nicht beantwortet: 0x64 bis 0x1FF.\n", read.err);
}
