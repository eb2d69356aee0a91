#include "support/CliRunner.h"
#include "support/CoreTest.h"

#include <filesystem>

namespace {

/// nivoconfig-cli with the user's settings folder in the test's folder; which file wins over
/// which is the settings files' own test.
class SettingsCliTest : public CoreTest {
protected:
    CliCase Call(const std::string& arguments, const std::string& out) {
        return {arguments,
                0,
                CliCase::Out,
                out,
                CliCase::Contains,
                "",
                "LANG=de_DE.UTF-8 XDG_CONFIG_HOME='" + PathOf("config") + "'"};
    }
};

TEST_F(SettingsCliTest, TheUsersFileOverridesAndTakesThePortChoicesOnly) {
    const std::string installed =
        std::filesystem::path(NIVO_CLI_PATH).parent_path().append("NivoConfig.ini").string();
    const std::string installedBytes = ReadBytes(installed);
    ASSERT_FALSE(installedBytes.empty()) << installed;
    const std::string file = PathOf("d.par"), user = PathOf("config/NivoConfig/NivoConfig.ini");
    ASSERT_EQ(0, RunCli("defaults -o '" + file + "'").exitCode);
    std::filesystem::create_directories(PathOf("config/NivoConfig"));
    WriteBytes(user, "[Einheiten]\r\nEinheit0=hPa\r\n");
    ExpectCli(Call("report '" + file + "'", "Skaleneinheit : 0 (hPa)\n"));

    ExpectCli(Call("save-port COM3=/dev/ttyUSB0", "COM3 -> /dev/ttyUSB0 in " + user + "\n"));
    ExpectCli(Call("save-port COM4=", "COM4 -> Vorgabe in " + user + "\n"));
    EXPECT_EQ("[Einheiten]\r\nEinheit0=hPa\r\n[Schnittstellen]\r\nCOM3=/dev/ttyUSB0\r\nCOM4=\r\n",
              ReadBytes(user));
    EXPECT_EQ(installedBytes, ReadBytes(installed));
}

} // namespace
