// Every program as a user starts it: version, help, usage errors and failures.
#include "support/CliRunner.h"
#include "support/CoreTest.h"

#include <filesystem>
#include <utility>

namespace {

class ProgramsTest : public CoreTest {};

/// The window program answers on a machine without a display, as over a remote shell.
const std::string kNoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb";

TEST_F(ProgramsTest, VersionAndHelpInGerman) {
    const std::pair<const char*, std::string> programs[] = {
        {NIVO_CLI_PATH, "LANG=de_DE.UTF-8"},
        {NIVOSIM_PATH, "LANG=de_DE.UTF-8"},
        {NIVOBENCH_PATH, "LANG=de_DE.UTF-8"},
        {NIVOCONFIG_PATH, kNoDisplay},
    };
    for (const auto& [program, environment] : programs) {
        const std::string name = std::filesystem::path(program).filename().string();
        CliResult version = RunProgram(program, "--version", environment);
        EXPECT_EQ(0, version.exitCode) << name;
        EXPECT_EQ(name + " (NivoConfig 1.0.5)\n", version.out);
        CliResult help = RunProgram(program, "--help", environment);
        EXPECT_EQ(0, help.exitCode) << name;
        EXPECT_NE(std::string::npos, help.out.find("\nAufruf: " + name + " [OPTIONEN]"))
            << help.out;
        EXPECT_NE(std::string::npos, help.out.find("Diese Hilfe zeigen und beenden"));
        for (const char* english :
             {"Usage", "Options", "Print this help", "REQUIRED", "Positionals", "INT", "FILE"})
            EXPECT_EQ(std::string::npos, help.out.find(english)) << name << ": " << english;
    }
}

TEST_F(ProgramsTest, UsageErrorsExitWithTwoAndSayWhatIsWrong) {
    CliResult missing = RunProgram(NIVO_CLI_PATH, "get x.par");
    EXPECT_EQ(2, missing.exitCode);
    EXPECT_EQ("nivoconfig-cli: Angabe 'namen' fehlt.\nHilfe: nivoconfig-cli --help\n", missing.err);
    const std::string file = "'" + PathOf("d.par") + "'";
    ASSERT_EQ(0, RunProgram(NIVO_CLI_PATH, "defaults -o " + file).exitCode);
    CliResult unknown = RunProgram(NIVO_CLI_PATH, "get " + file + " Eingang/Keiner");
    EXPECT_EQ(2, unknown.exitCode);
    EXPECT_EQ(0u, unknown.err.find("nivoconfig-cli: GRUPPE/NAME:")) << unknown.err;

    CliResult variant = RunProgram(NIVOSIM_PATH, "--variant 300");
    EXPECT_EQ(2, variant.exitCode);
    EXPECT_EQ(0u, variant.err.find("nivosim: --variant: 300 liegt nicht im Bereich 0 bis 255.\n"));
    CliResult folder = RunProgram(NIVOCONFIG_PATH, "--demo --screenshots", kNoDisplay);
    EXPECT_EQ(2, folder.exitCode);
    EXPECT_EQ("NivoConfig: --screenshots: Wert fehlt.\nHilfe: NivoConfig --help\n", folder.err);
    CliResult figure = RunProgram(NIVOBENCH_PATH, "foo");
    EXPECT_EQ(2, figure.exitCode);
    EXPECT_NE(std::string::npos, figure.err.find("'foo' ist nicht erlaubt"));
    EXPECT_EQ("", figure.out) << "no figure measured";
}

TEST_F(ProgramsTest, SimulatorRefusesWhatWouldLoseAFile) {
    CliResult folder = RunProgram(NIVOSIM_PATH, "--save-eeprom /no/such/dir/e.bin");
    EXPECT_EQ(1, folder.exitCode);
    EXPECT_EQ("nivosim: --save-eeprom: Ordner /no/such/dir gibt es nicht.\n", folder.err);

    const std::string precious = PathOf("precious.txt");
    WriteBytes(precious, "keep");
    CliResult link = RunProgram(NIVOSIM_PATH, "--link '" + precious + "'");
    EXPECT_EQ(1, link.exitCode);
    EXPECT_NE(std::string::npos, link.err.find("kein Link eines früheren Laufs"));
    EXPECT_EQ("keep", ReadBytes(precious));

    // A link an earlier run left behind is taken over, and removed at the end.
    const std::string own = PathOf("k417");
    std::filesystem::create_symlink("/dev/pts/999", own);
    CliResult run =
        RunProgram("sh", "-c \"" + std::string(NIVOSIM_PATH) + " --link '" + own +
                             "' & sleep 0.5; readlink '" + own + "'; kill -INT \\$!; wait \\$!\"");
    EXPECT_EQ(0, run.exitCode) << run.err;
    EXPECT_EQ(0u, run.out.find("/dev/pts/")) << run.out;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              run.out.substr(run.out.find('\n') + 1, run.out.find('\n')))
        << "the link points to the port printed";
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(own)));
}

} // namespace
