#include "support/CliRunner.h"
#include "support/CoreTest.h"

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

    std::string Quote(const std::string& path) const { return "'" + path + "'"; }
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

} // namespace

TEST_F(CliTest, DefaultsAreAParameterFileInTheRegionalNumberFormat) {
    const std::string bytes = ReadBytes(PathOf("d.par"));
    EXPECT_EQ(0u, bytes.find("[Eingang]\r\n"));
    for (const char* excerpt :
         {"\r\nUnterer Grenzwert A=0,1\r\nOberer Grenzwert A=0,9\r\n",
          "\r\nName=nivoconfig-cli\r\nVersion=1.0.5\r\n", "\r\nX2=4,695652\r\n"})
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

// Usage errors exit with 2, refusals and failures with 1; neither writes a file.
TEST_F(CliTest, UsageErrorsAndRefusalsExitNonZeroAndSayWhy) {
    const std::string out = " -o " + Quote(PathOf("x.par"));
    const CliCase refusals[] = {
        {"get x.par", 2, CliCase::Err,
         "nivoconfig-cli: Angabe 'namen' fehlt.\nHilfe: nivoconfig-cli --help\n"},
        {"get " + file + " Eingang/Keiner", 2, CliCase::Err,
         "nivoconfig-cli: GRUPPE/NAME:", CliCase::Starts},
        // a group's name must be whole: "Grenz" is no "Grenzwerte"
        {"list " + file + " Grenz", 2, CliCase::Err, "", CliCase::Contains},
        {"diff " + file, 2, CliCase::Err, "", CliCase::Contains},
        {"--port COM1= connect", 2, CliCase::Err,
         "Gerätedatei fehlt in 'COM1=' (erwartet: COMn=GERÄTEDATEI).\n"},
        {"--port COM17=/dev/null connect", 1, CliCase::Err,
         "Unbekannte Schnittstelle in 'COM17=/dev/null' (erwartet: COM1 bis COM16).\n"},
        {"set " + file + out + " Eingang/Filter=300", 1, CliCase::Err,
         "Eingabefehler\nFilter '300' ausserhalb 0..255\n", CliCase::Contains},
        {"set " + file + out + " 'Grenzwerte/Unterer Grenzwert A=0,95'", 1, CliCase::Err,
         "Parameter fehlerhaft.\nDie Daten können nicht gespeichert werden.\n", CliCase::Contains},
        {"set " + file + out + " --variant 1 'Grenzwerte/Grenzwertfunktion B=3'", 1, CliCase::Err,
         "Grenzwertfunktion B 'Trend steigend' ausserhalb 0..1", CliCase::Contains},
        {"check " + Quote(PathOf("fehlt.par")), 1, CliCase::Err, "", CliCase::Contains},
        {"--settings " + Quote(PathOf("keine.ini")) + " defaults" + out, 1, CliCase::Err,
         "Fehler beim Programmstart in Modul 'basMain': \n", CliCase::Starts},
    };
    for (const CliCase& row : refusals)
        ExpectCli(row);
    EXPECT_FALSE(std::filesystem::exists(PathOf("x.par")));
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
    // A value that is no number is reported, and the command fails instead of going on.
    Replace("Filter=2\r", "Filter=abc\r");
    ExpectCli({"get " + file + " Eingang/Filter", 1, CliCase::Err,
               "Eingabefehler\nFilter 'abc' nicht numerisch.\n"});
}

TEST_F(CliTest, ListShowsEveryValueInTheScaleUnitWithWhatItAllows) {
    const std::string metres = Set("m.par", "Eingang/Skaleneinheit=2");
    CliResult all = ExpectCli({"list " + metres, 0, CliCase::Out,
                               "Eingang/Messbereich.Anfang = 4 mA [0..20]\n", CliCase::Starts});
    for (const char* line :
         {"\nEingang/Filter = 2 [0..255]\n", "\nEingang/Skalierung.Ende = 1 m [-9,9999..9,9999]\n",
          "\nGrenzwerte/Relaisfunktion A = 0 (Arbeitsstrom) [0: Arbeitsstrom, 1: Ruhestrom]\n",
          "\nLinearisierung/Y24 = 1 m [", "\nSonstiges/Simulationsschrittweite = 0,01 m [",
          "\nGerätebeschreibung/Zeile2 = Beschreibung2\n"})
        EXPECT_NE(std::string::npos, all.out.find(line)) << line;
    EXPECT_EQ(std::string::npos, all.out.find(" bar ")) << all.out;

    CliResult group = ExpectCli({"list " + metres + " Grenzwerte", 0, CliCase::Out,
                                 "Grenzwerte/Unterer Grenzwert A = 0.1 m [0..1]\n", CliCase::Starts,
                                 "", "LANG=C"});
    EXPECT_EQ(std::string::npos, group.out.find("Eingang/"));
}

TEST_F(CliTest, DemoDeviceIsWrittenAndReadBack) {
    const std::string changed = Set("c.par", "Eingang/Filter=17"), back = Quote(PathOf("r.par"));
    const CliCase demo[] = {
        {"--demo connect", 0, CliCase::Out, "COM1: NIVOLANTIS", CliCase::Starts},
        {"--demo write " + changed, 0, CliCase::Err, "Gerät schreiben beendet.\n"},
        {"--demo read -o " + back, 0, CliCase::Err, "", CliCase::Contains},
        // a fresh demo device holds the defaults
        {"get " + back + " Eingang/Filter", 0, CliCase::Out, "2\n"},
    };
    for (const CliCase& row : demo)
        ExpectCli(row);
}

TEST_F(CliTest, ReportFileFormatFollowsItsName) {
    ExpectCli({"report " + file + " -o " + Quote(PathOf("r.txt")), 0, CliCase::Err, ""});
    EXPECT_EQ(0u, ReadBytes(PathOf("r.txt")).find("Konfigurationsdaten Nivolantis K417."));
    ExpectCli({"report " + file + " -o " + Quote(PathOf("r.PDF")), 0, CliCase::Err,
               "" /* no notes of the GUI framework */, CliCase::Whole, "",
               "-u XDG_RUNTIME_DIR -u DISPLAY -u QT_QPA_PLATFORM LANG=de_DE.UTF-8"});
    EXPECT_EQ(0u, ReadBytes(PathOf("r.PDF")).find("%PDF-"));
}
