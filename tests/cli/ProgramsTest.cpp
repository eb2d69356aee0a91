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
        ExpectCli({"--version", 0, CliCase::Out, name + " (NivoConfig 1.0.5)\n", CliCase::Whole,
                   program, environment});
        const CliResult help =
            ExpectCli({"--help", 0, CliCase::Out, "\nAufruf: " + name + " [OPTIONEN]",
                       CliCase::Contains, program, environment});
        EXPECT_NE(std::string::npos, help.out.find("Diese Hilfe zeigen und beenden"));
        for (const char* english : {"Usage", "Options", "Print this help", "REQUIRED", "INT"})
            EXPECT_EQ(std::string::npos, help.out.find(english)) << name << ": " << english;
    }
}

// Usage errors exit with 2, refusals with 1; the command line program's own are in CliTest.
TEST_F(ProgramsTest, UsageErrorsAndRefusalsSayWhatIsWrongAndLoseNoFile) {
    const std::string precious = PathOf("precious.txt");
    WriteBytes(precious, "keep");
    const CliCase errors[] = {
        {"--variant 300", 2, CliCase::Err,
         "nivosim: --variant: 300 liegt nicht im Bereich 0 bis 255.\n", CliCase::Starts,
         NIVOSIM_PATH},
        {"--save-eeprom /no/such/dir/e.bin", 1, CliCase::Err,
         "nivosim: --save-eeprom: Ordner /no/such/dir gibt es nicht.\n", CliCase::Whole,
         NIVOSIM_PATH},
        {"--link '" + precious + "'", 1, CliCase::Err, "kein Link eines früheren Laufs",
         CliCase::Contains, NIVOSIM_PATH},
        {"--demo --screenshots", 2, CliCase::Err,
         "NivoConfig: --screenshots: Wert fehlt.\nHilfe: NivoConfig --help\n", CliCase::Whole,
         NIVOCONFIG_PATH, kNoDisplay},
        {"foo", 2, CliCase::Err, "'foo' ist nicht erlaubt", CliCase::Contains, NIVOBENCH_PATH},
        {"foo", 2, CliCase::Out, "" /* no figure measured */, CliCase::Whole, NIVOBENCH_PATH},
    };
    for (const CliCase& row : errors)
        ExpectCli(row);
    EXPECT_EQ("keep", ReadBytes(precious));
}

TEST_F(ProgramsTest, SimulatorTakesOverALinkAnEarlierRunLeftBehind) {
    // ... and removes it at the end.
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
