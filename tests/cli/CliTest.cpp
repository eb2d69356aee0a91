#include "support/BuildVersion.h"
#include "support/CliRunner.h"
#include "support/CoreTest.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

namespace {

/// Every case starts from the German defaults in d.par.
class CliTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        file = Quote(PathOf("d.par"));
        CliResult defaults = RunCli("defaults -o " + file);
        ASSERT_EQ(0, defaults.exitCode) << defaults.err;
    }

    /// d.par with the given assignments, saved under `name`.
    std::string Set(const std::string& name, const std::string& assignments) {
        CliResult set = RunCli("set " + file + " -o " + Quote(PathOf(name)) + " " + assignments);
        EXPECT_EQ(0, set.exitCode) << set.err;
        return Quote(PathOf(name));
    }
    void Replace(const std::string& from, const std::string& to) {
        std::string bytes = ReadBytes(PathOf("d.par"));
        bytes.replace(bytes.find(from), from.size(), to);
        WriteBytes(PathOf("d.par"), bytes);
    }

    std::string file; ///< d.par, quoted for the shell
};

/// The window program answers on a machine without a display, as over a remote shell.
const std::string kNoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb";

} // namespace

TEST_F(CliTest, DefaultsAreAParameterFileInTheRegionalNumberFormat) {
    const std::string bytes = ReadBytes(PathOf("d.par"));
    EXPECT_EQ(0u, bytes.find("[Eingang]\r\n"));
    const std::vector<std::string> excerpts{
        "\r\nUnterer Grenzwert A=0,1\r\nOberer Grenzwert A=0,9\r\n",
        "\r\nName=nivoconfig-cli\r\nVersion=" + BuildVersion() + "\r\n", "\r\nX2=4,695652\r\n"};
    for (const std::string& excerpt : excerpts)
        EXPECT_NE(std::string::npos, bytes.find(excerpt)) << excerpt;
    ASSERT_EQ(0, RunCli("defaults -o " + file, "LANG=C").exitCode);
    EXPECT_NE(std::string::npos, ReadBytes(PathOf("d.par")).find("\r\nX2=4.695652\r\n"));
}

TEST_F(CliTest, SetAppliesLikeTheFieldsAndGetPrintsOnePerLine) {
    const std::string out = Set("s.par", "Eingang/Skalenkomma=2 Eingang/Skalierung.Ende=500,5 "
                                         "'Grenzwerte/Oberer Grenzwert A=400' "
                                         "Gerätebeschreibung/Zeile2='Tank 7'");
    ExpectCli({"get " + out +
                   " Eingang/Skalierung.Ende 'Grenzwerte/Oberer Grenzwert A' "
                   "Linearisierung/Y24 Gerätebeschreibung/Zeile2",
               0, CliCase::Out, "500,5\n400\n1\nTank 7\n"});
}

// Usage errors exit with 2, refusals and failures with 1; neither writes nor loses a file.
TEST_F(CliTest, UsageErrorsAndRefusalsExitNonZeroAndSayWhy) {
    const std::string out = " -o " + Quote(PathOf("x.par")), precious = PathOf("precious.txt");
    WriteBytes(precious, "keep");
    const CliCase refusals[] = {
        {"", 2, CliCase::Err, "nivoconfig-cli: Ein Befehl fehlt.\nHilfe: nivoconfig-cli --help\n"},
        {"get x.par", 2, CliCase::Err,
         "nivoconfig-cli: Angabe 'namen' fehlt.\nHilfe: nivoconfig-cli --help\n"},
        {"get " + file + " Eingang/Keiner", 2, CliCase::Err,
         "nivoconfig-cli: GRUPPE/NAME:", CliCase::Starts},
        // a group's name must be whole: "Grenz" is no "Grenzwerte"
        {"list " + file + " Grenz", 2, CliCase::Err, "", CliCase::Contains},
        {"diff " + file, 2, CliCase::Err, "", CliCase::Contains},
        // a long argument (or any long usage error) is translated, not a crash
        {"connect " + std::string(30000, 'y'), 2, CliCase::Err,
         "nivoconfig-cli: Unerwartete Angabe: " + std::string(30000, 'y') +
             ".\nHilfe: nivoconfig-cli --help\n"},
        {"--port COM1= connect", 2, CliCase::Err,
         "Gerätedatei fehlt in 'COM1=' (erwartet: COMn=GERÄTEDATEI).\n"},
        {"measure --every -1", 2, CliCase::Err,
         "nivoconfig-cli: --every: eine Zahl größer 0 ist nötig.\n", CliCase::Starts},
        {"foo", 2, CliCase::Err, "nivoconfig-cli: Unerwartete Angabe: foo.\n", CliCase::Starts},
        {"--lang en --foo", 2, CliCase::Err,
         "nivoconfig-cli: The following argument was not expected: --foo.\n", CliCase::Starts},
        {"diff " + file + " " + file + " --device", 2, CliCase::Err,
         "nivoconfig-cli: datei2 und --device schließen einander aus.\n", CliCase::Starts},
        {"--port COM17=/dev/null connect", 2, CliCase::Err,
         "Unbekannte Schnittstelle in 'COM17=/dev/null' (erwartet: COM1 bis COM16).\n"},
        {"set " + file + out + " Eingang/Filter=300", 1, CliCase::Err,
         "Eingabefehler\nFilter '300' ausserhalb 0..255\n"
         "Nicht gespeichert: eine Eingabe wurde abgelehnt.\n"},
        {"--lang en set " + file + out + " Eingang/Filter=300", 1, CliCase::Err,
         "Input error\nFilter '300' outside 0..255\nNot saved: an entry was refused.\n"},
        {"--lang=en get x.par", 2, CliCase::Err,
         "nivoconfig-cli: names is required.\nHelp: nivoconfig-cli --help\n"},
        {"set " + file + out + " 'Grenzwerte/Unterer Grenzwert A=0,95'", 1, CliCase::Err,
         "Parameter fehlerhaft.\nDie Daten können nicht gespeichert werden.\n", CliCase::Contains},
        {"set " + file + out + " --variant 1 'Grenzwerte/Grenzwertfunktion B=3'", 1, CliCase::Err,
         "Grenzwertfunktion B '3' ausserhalb 0..1\n", CliCase::Contains},
        {"check " + Quote(PathOf("fehlt.par")), 1, CliCase::Err, "", CliCase::Contains},
        {"--settings " + Quote(PathOf("keine.ini")) + " defaults" + out, 1, CliCase::Err,
         "Fehler beim Programmstart in Modul 'basMain': \n", CliCase::Starts},
        // the other programs
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
    for (const CliCase& row : refusals)
        ExpectCli(row);
    EXPECT_FALSE(std::filesystem::exists(PathOf("x.par")));
    EXPECT_EQ("keep", ReadBytes(precious));
}

TEST_F(CliTest, HandEditedFilesAreCheckedAndRefusedWhenUnreadable) {
    ExpectCli({"check " + file, 0, CliCase::Err, ""});
    // A scaling of 5..1 puts 35 values outside their limits; the terminal gets every one.
    Replace("Skalierung.Anfang=0", "Skalierung.Anfang=5");
    CliResult check =
        ExpectCli({"check " + file, 1, CliCase::Err,
                   "Eingabefehler\nUnterer Grenzwert A '0,1' ausserhalb 5..1\n", CliCase::Starts});
    EXPECT_NE(std::string::npos,
              check.err.find("\nSimulationsschrittweite '0,01' ausserhalb 5..1\n"));
    EXPECT_EQ(std::string::npos, check.err.find("weitere"));
    // With a reversed range too, the request to correct a begin or end follows that range only.
    Replace("Unterer Grenzwert A=0,1\r", "Unterer Grenzwert A=0,95\r");
    ExpectCli({"check " + file, 1, CliCase::Err,
               "Eingabe- und Bereichsfehler\nUnterer Grenzwert A > Oberer Grenzwert A.\nBitte den "
               "Anfangs- oder den Endwert korrigieren.\nUnterer Grenzwert A '0,95' ausserhalb "
               "5..1\n",
               CliCase::Starts});
    // A value that is no number is reported, and the command fails instead of going on.
    Replace("Filter=2\r", "Filter=abc\r");
    ExpectCli({"get " + file + " Eingang/Filter", 1, CliCase::Err,
               "Eingabefehler\nFilter 'abc' nicht numerisch.\n"});
}

TEST_F(CliTest, ListShowsEveryValueInTheScaleUnitWithWhatItAllows) {
    const std::string metres = Set("m.par", "Eingang/Skaleneinheit=2");
    CliResult all = ExpectCli({"list " + metres, 0, CliCase::Out,
                               "  Eingang/Messbereich.Anfang = 4 mA [0..20]\n", CliCase::Starts});
    for (const char* line :
         {"\n  Eingang/Filter = 2 [0..255]\n",
          "\n  Eingang/Skalierung.Ende = 1 m [-9,9999..9,9999]\n",
          "\n* Eingang/Skaleneinheit = 2 (m) [0: bar, 1: mbar, 2: m, 3: cm, ",
          "\n  Grenzwerte/Relaisfunktion A = 0 (Arbeitsstrom) [0: Arbeitsstrom, 1: Ruhestrom]\n",
          "\n  Linearisierung/Y24 = 1 m [", "\n  Sonstiges/Simulationsschrittweite = 0,01 m [",
          "\n  Gerätebeschreibung/Zeile2 = Beschreibung2\n"})
        EXPECT_NE(std::string::npos, all.out.find(line)) << line;
    EXPECT_EQ(std::string::npos, all.out.find(" bar ")) << all.out;

    CliResult group = ExpectCli({"list " + metres + " Grenzwerte", 0, CliCase::Out,
                                 "  Grenzwerte/Unterer Grenzwert A = 0.1 m [0..1]\n",
                                 CliCase::Starts, "", "LANGUAGE=de LANG=C"});
    EXPECT_EQ(std::string::npos, group.out.find("Eingang/"));

    // English keeps the paths and the regional numbers; the caption closes the line.
    CliResult english =
        ExpectCli({"--lang en list " + metres + " Eingang", 0, CliCase::Out,
                   "  Eingang/Messbereich.Anfang = 4 mA [0..20]  # Measuring range start\n",
                   CliCase::Starts});
    for (const char* line : {"\n  Eingang/Sondenstörung.Ende = 22 mA [0..22]  # Probe fault end\n",
                             "\n  Eingang/Skalierung.Ende = 1 m [-9,9999..9,9999]  # Scaling end\n",
                             "\n  Eingang/Filter = 2 [0..255]  # Filter\n"})
        EXPECT_NE(std::string::npos, english.out.find(line)) << line;
    EXPECT_EQ(std::string::npos, english.out.find("Grenzwerte/")) << english.out;
}

TEST_F(CliTest, DemoDeviceIsWrittenAndReadBack) {
    const std::string changed = Set("c.par", "Eingang/Filter=17"), back = Quote(PathOf("r.par"));
    ExpectCli({"--demo connect", 0, CliCase::Out, "COM1: NIVOLANTIS", CliCase::Starts});
    ExpectCli({"--demo write " + changed, 0, CliCase::Err, "Gerät schreiben beendet.\n"});
    ASSERT_EQ(0, RunCli("--demo read -o " + back).exitCode);
    // a fresh demo device holds the defaults
    ExpectCli({"get " + back + " Eingang/Filter", 0, CliCase::Out, "2\n"});
}

// The user's settings folder is the test's; which file wins over which is the settings files' own
// test.
TEST_F(CliTest, TheUsersFileOverridesAndTakesThePortChoicesOnly) {
    const std::string user = PathOf("config/NivoConfig/NivoConfig.ini");
    std::filesystem::create_directories(PathOf("config/NivoConfig"));
    WriteBytes(user, "[Einheiten]\r\nEinheit0=hPa\r\n");
    const std::string environment = "LANG=de_DE.UTF-8 XDG_CONFIG_HOME=" + Quote(PathOf("config"));
    const CliCase calls[] = {
        {"report " + file, 0, CliCase::Out, "Skaleneinheit : 0 (hPa)\n", CliCase::Contains},
        {"save-port COM3=/dev/ttyUSB0", 0, CliCase::Out, "COM3 -> /dev/ttyUSB0 in " + user + "\n"},
        {"save-port COM4=", 0, CliCase::Out, "COM4 -> Vorgabe in " + user + "\n"},
    };
    for (CliCase row : calls) {
        row.environment = environment;
        ExpectCli(row);
    }
    EXPECT_EQ("[Einheiten]\r\nEinheit0=hPa\r\n[Schnittstellen]\r\nCOM3=/dev/ttyUSB0\r\nCOM4=\r\n",
              ReadBytes(user));
}

// Every program as a user starts it.
TEST_F(CliTest, VersionAndHelpInGerman) {
    const std::pair<const char*, std::string> programs[] = {
        {NIVO_CLI_PATH, "LANG=de_DE.UTF-8"},
        {NIVOSIM_PATH, "LANG=de_DE.UTF-8"},
        {NIVOBENCH_PATH, "LANG=de_DE.UTF-8"},
        {NIVOCONFIG_PATH, kNoDisplay},
    };
    for (const auto& [program, environment] : programs) {
        const std::string name = std::filesystem::path(program).filename().string();
        ExpectCli({"--version", 0, CliCase::Out, name + " (NivoConfig " + BuildVersion() + ")\n",
                   CliCase::Whole, program, environment});
        const CliResult help =
            ExpectCli({"--help", 0, CliCase::Out, "\nAufruf: " + name + " [OPTIONEN]",
                       CliCase::Contains, program, environment});
        EXPECT_NE(std::string::npos, help.out.find("Diese Hilfe zeigen und beenden"));
        for (const char* english : {"Usage", "Options", "Print this help", "REQUIRED", "INT"})
            EXPECT_EQ(std::string::npos, help.out.find(english)) << name << ": " << english;
        // Every description starts with a capital in one column; "Ä" is one character wide.
        std::set<std::ptrdiff_t> columns;
        std::istringstream lines(help.out);
        for (std::string line; std::getline(lines, line);) {
            const auto gap = line.find("  ", 2);
            if (line.rfind("  -", 0) != 0 || gap == std::string::npos)
                continue;
            const auto start = line.begin() + line.find_first_not_of(' ', gap);
            columns.insert(
                std::count_if(line.begin(), start, [](char c) { return (c & 0xC0) != 0x80; }));
            EXPECT_FALSE(std::islower(static_cast<unsigned char>(*start))) << line;
        }
        EXPECT_EQ(1u, columns.size()) << help.out;
    }
    const CliResult command =
        ExpectCli({"get --help", 0, CliCase::Out, "\nOptionen:\n", CliCase::Contains});
    EXPECT_EQ(std::string::npos, command.out.find("Options")) << command.out;
    ExpectCli({"--lang en write --help", 0, CliCase::Out, ", device read from the device",
               CliCase::Contains});
}

TEST_F(CliTest, SimulatorTakesOverALinkAnEarlierRunLeftBehind) {
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
