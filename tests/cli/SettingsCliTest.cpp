#include "support/CliRunner.h"
#include "support/CoreTest.h"

#include <filesystem>

namespace {

/// nivoconfig-cli with the user's settings folder in the test's folder.
class SettingsCliTest : public CoreTest {
protected:
    CliResult Run(const std::string& arguments) {
        return RunCli(arguments, "LANG=de_DE.UTF-8 XDG_CONFIG_HOME='" + PathOf("config") + "'");
    }
    std::string UserFile() const { return PathOf("config/NivoConfig/NivoConfig.ini"); }
    /// The line of the report that names the scale unit.
    std::string UnitLine(const std::string& report) {
        const auto at = report.find("Skaleneinheit");
        return at == std::string::npos ? "" : report.substr(at, report.find('\n', at) - at);
    }

    const std::string installed =
        std::filesystem::path(NIVO_CLI_PATH).parent_path().append("NivoConfig.ini").string();
};

TEST_F(SettingsCliTest, TheUsersFileOverridesAndTakesThePortChoicesOnly) {
    const std::string installedBytes = ReadBytes(installed);
    ASSERT_FALSE(installedBytes.empty()) << installed;
    const std::string file = PathOf("d.par");
    ASSERT_EQ(0, Run("defaults -o '" + file + "'").exitCode);
    EXPECT_EQ("Skaleneinheit : 0 (bar)", UnitLine(Run("report '" + file + "'").out));

    std::filesystem::create_directories(PathOf("config/NivoConfig"));
    WriteBytes(UserFile(), "[Einheiten]\r\nEinheit0=hPa\r\n");
    EXPECT_EQ("Skaleneinheit : 0 (hPa)", UnitLine(Run("report '" + file + "'").out));

    const CliResult saved = Run("save-port COM3=/dev/ttyUSB0");
    EXPECT_EQ(0, saved.exitCode) << saved.err;
    EXPECT_EQ("[Einheiten]\r\nEinheit0=hPa\r\n[Schnittstellen]\r\nCOM3=/dev/ttyUSB0\r\n",
              ReadBytes(UserFile()));
    EXPECT_EQ(installedBytes, ReadBytes(installed));

    EXPECT_EQ(2, Run("save-port COM17=/dev/ttyUSB0").exitCode);
    EXPECT_EQ(2, Run("save-port /dev/ttyUSB0").exitCode);

    // --settings replaces both files, and keeps the choices made with it.
    const std::string other = PathOf("andere.ini");
    WriteBytes(other, "[Einheiten]\r\nAnzahl=2\r\nEinheit0=cm\r\nEinheit1=mm\r\n");
    EXPECT_EQ("Skaleneinheit : 0 (cm)",
              UnitLine(Run("--settings '" + other + "' report '" + file + "'").out));
    EXPECT_EQ(0, Run("--settings '" + other + "' save-port COM2=/dev/ttyACM0").exitCode);
    EXPECT_EQ("[Einheiten]\r\nAnzahl=2\r\nEinheit0=cm\r\nEinheit1=mm\r\n"
              "[Schnittstellen]\r\nCOM2=/dev/ttyACM0\r\n",
              ReadBytes(other));
    EXPECT_EQ(installedBytes, ReadBytes(installed));
}

} // namespace
