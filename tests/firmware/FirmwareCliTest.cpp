#include "../cli/CliRunner.h"
#include "firmware/EepromHexFile.h"
#include "firmware/cHexFile.h"
#include "sim/K417Simulator.h"
#include "support/CoreTest.h"

namespace {

/// nivoconfig-cli against a simulated device that this test holds on COM1.
class FirmwareCliTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        sim.Start();
    }

    CliResult Run(const std::string& arguments) {
        return RunCli("--port COM1=" + sim.SlavePath() + " " + arguments);
    }

    static std::string Quote(const std::string& path) { return "'" + path + "'"; }

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

    CliResult write = Run("firmware-write " + Quote(file));
    ASSERT_EQ(0, write.exitCode) << write.out << write.err;
    EXPECT_EQ(0u, write.out.find("Datei '" + file + "' geöffnet (1024 Bytes).\nBootloader aufgerufen.\n"));
    EXPECT_NE(std::string::npos, write.out.find("\nDaten erfolgreich geschrieben "));
    EXPECT_EQ("", write.err) << "no progress display without a terminal";
    EXPECT_TRUE(expected == sim.Flash());

    CliResult read = Run("firmware-read -o " + Quote(back) + " --size 1100");
    ASSERT_EQ(0, read.exitCode) << read.out << read.err;
    EXPECT_EQ(1100, sim.CommandCount('s'));

    sim.SetFlash({});
    CliResult again = Run("firmware-write " + Quote(back));
    EXPECT_EQ(0, again.exitCode) << again.out << again.err;
    EXPECT_NE(std::string::npos, again.out.find("(32768 Bytes)"));
    EXPECT_TRUE(expected == sim.Flash());
}

TEST_F(FirmwareCliTest, EepromDumpIsReadAndWrittenBackAsIntelHex) {
    K417Device::EepromImage image = K417Device::BlankEeprom();
    for (std::size_t a = 0; a < image.size(); a += 5)
        image[a] = static_cast<std::uint8_t>(a);
    sim.SetEeprom(image);
    const std::string dump = PathOf("e.eep");

    CliResult read = Run("eeprom-read -o " + Quote(dump));
    ASSERT_EQ(0, read.exitCode) << read.err;
    EXPECT_EQ(EepromHexFile::Write(image), ReadBytes(dump));
    const std::string received = sim.Received();
    EXPECT_EQ(std::string("B\0", 2), received.substr(1, 2)) << "after the device search's \"I\"";
    EXPECT_EQ("B\xFF", received.substr(received.size() - 2));

    image[0x1FF] = 0x17;
    image[0] = 0x00;
    WriteBytes(dump, EepromHexFile::Write(image));
    CliResult write = Run("eeprom-write " + Quote(dump));
    ASSERT_EQ(0, write.exitCode) << write.err;
    EXPECT_TRUE(image == sim.Eeprom());

    const std::string text = EepromHexFile::Write(image);
    WriteBytes(dump, text.substr(0, text.find(":10010000")));
    const int writes = sim.CommandCount('L');
    CliResult partial = Run("eeprom-write " + Quote(dump));
    EXPECT_EQ(1, partial.exitCode);
    EXPECT_EQ("Die Datei '" + dump + "' enthält nicht genau die EEPROM-Adressen 0 bis 1FF.\n", partial.err);
    EXPECT_EQ(writes, sim.CommandCount('L'));
}

TEST_F(FirmwareCliTest, WithoutADeviceNothingIsSaved) {
    std::string nowhere;
    for (int n = 1; n <= 16; ++n)
        nowhere += "--port COM" + std::to_string(n) + "=" + Quote(PathOf("kein-tty")) + " ";
    const std::string dump = PathOf("e.eep");
    CliResult read = RunCli(nowhere + "eeprom-read -o " + Quote(dump));
    EXPECT_EQ(1, read.exitCode);
    EXPECT_EQ("Kein Gerät gefunden.\n", read.err);
    EXPECT_FALSE(std::filesystem::exists(dump));
}
