#include "support/CliRunner.h"
#include "support/CoreTest.h"

namespace {

class CliTest : public CoreTest {
protected:
    std::string Quote(const std::string& path) const { return "'" + path + "'"; }
};

} // namespace

TEST_F(CliTest, GermanDefaultsAreAWindowsStyleParameterFile) {
    const std::string file = PathOf("d.par");
    CliResult result = RunCli("defaults -o " + Quote(file));
    ASSERT_EQ(0, result.exitCode) << result.err;
    const std::string bytes = ReadBytes(file);
    std::vector<std::size_t> sections;
    for (const char* name :
         {"[Eingang]\r\n", "[Ausgang]\r\n", "[Grenzwerte]\r\n", "[Linearisierung]\r\n",
          "[Sonstiges]\r\n", "[Ger\xE4tebeschreibung]\r\n", "[Programm]\r\n"})
        sections.push_back(bytes.find(name));
    EXPECT_EQ(0u, sections[0]);
    EXPECT_EQ(sections.end(), std::find(sections.begin(), sections.end(), std::string::npos));
    EXPECT_TRUE(std::is_sorted(sections.begin(), sections.end()));
    EXPECT_NE(std::string::npos,
              bytes.find("\r\nUnterer Grenzwert A=0,1\r\nOberer Grenzwert A=0,9\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("\r\nName=nivoconfig-cli\r\nVersion=1.0.5\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("\r\nX2=4,695652\r\n"));
    for (std::size_t lf = bytes.find('\n'); lf != std::string::npos; lf = bytes.find('\n', lf + 1))
        ASSERT_EQ('\r', bytes[lf - 1]) << "line ends are CR LF";

    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file), "LANG=C").exitCode);
    EXPECT_NE(std::string::npos, ReadBytes(file).find("\r\nX2=4.695652\r\n"));
}

TEST_F(CliTest, SetAppliesLikeTheFieldsAndGetPrintsOnePerLine) {
    const std::string file = PathOf("d.par"), out = PathOf("s.par");
    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file)).exitCode);
    CliResult set = RunCli(
        "set " + Quote(file) + " -o " + Quote(out) +
        " Eingang/Skalenkomma=2 Eingang/Skalierung.Ende=500,5 'Grenzwerte/Oberer Grenzwert A=400'"
        " Gerätebeschreibung/Zeile2='Tank 7'");
    ASSERT_EQ(0, set.exitCode) << set.err;
    CliResult get = RunCli("get " + Quote(out) +
                           " Eingang/Skalierung.Ende 'Grenzwerte/Oberer Grenzwert A' "
                           "Linearisierung/Y24 Gerätebeschreibung/Zeile2");
    EXPECT_EQ(0, get.exitCode) << get.err;
    EXPECT_EQ("500,5\n400\n1\nTank 7\n", get.out);
}

TEST_F(CliTest, RefusalsFailAndWriteNothing) {
    const std::string file = PathOf("d.par"), out = PathOf("x.par");
    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file)).exitCode);

    CliResult outOfRange =
        RunCli("set " + Quote(file) + " -o " + Quote(out) + " Eingang/Filter=300");
    EXPECT_EQ(1, outOfRange.exitCode);
    EXPECT_NE(std::string::npos,
              outOfRange.err.find("Eingabefehler\nFilter '300' ausserhalb 0..255\n"));

    CliResult reversed = RunCli("set " + Quote(file) + " -o " + Quote(out) +
                                " 'Grenzwerte/Unterer Grenzwert A=0,95'");
    EXPECT_EQ(1, reversed.exitCode);
    EXPECT_NE(
        std::string::npos,
        reversed.err.find("Parameter fehlerhaft.\nDie Daten können nicht gespeichert werden.\n"));
    EXPECT_FALSE(std::filesystem::exists(out));

    EXPECT_EQ(1, RunCli("check " + Quote(PathOf("fehlt.par"))).exitCode);
    EXPECT_EQ(2, RunCli("get " + Quote(file) + " Eingang/Unbekannt").exitCode);
    EXPECT_EQ(2, RunCli("").exitCode);

    CliResult noSettings =
        RunCli("--settings " + Quote(PathOf("keine.ini")) + " defaults -o " + Quote(out));
    EXPECT_EQ(1, noSettings.exitCode);
    EXPECT_EQ(0u, noSettings.err.find("Fehler beim Programmstart in Modul 'basMain': \n"));
}

TEST_F(CliTest, CheckFindsRangeConflictsInHandEditedFiles) {
    const std::string file = PathOf("d.par");
    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file)).exitCode);
    EXPECT_EQ(0, RunCli("check " + Quote(file)).exitCode);
    std::string bytes = ReadBytes(file);
    bytes.replace(bytes.find("Oberer Grenzwert B=0,9"), 22, "Oberer Grenzwert B=0,05");
    WriteBytes(file, bytes);
    CliResult check = RunCli("check " + Quote(file));
    EXPECT_EQ(1, check.exitCode);
    EXPECT_NE(std::string::npos,
              check.err.find("Bereichsfehler\nUnterer Grenzwert B > Oberer Grenzwert B.\n"));

    // A scaling of 5..1 puts 35 values outside their limits; the terminal gets every one.
    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file)).exitCode);
    bytes = ReadBytes(file);
    bytes.replace(bytes.find("Skalierung.Anfang=0"), 19, "Skalierung.Anfang=5");
    WriteBytes(file, bytes);
    check = RunCli("check " + Quote(file));
    EXPECT_EQ(1, check.exitCode);
    EXPECT_EQ(0u, check.err.find("Eingabefehler\nUnterer Grenzwert A '0,1' ausserhalb 5..1\n"));
    EXPECT_NE(std::string::npos, check.err.find("\nY23 '"));
    EXPECT_NE(std::string::npos,
              check.err.find("\nSimulationsschrittweite '0,01' ausserhalb 5..1\n"));
    EXPECT_EQ(std::string::npos, check.err.find("weitere"));
}

TEST_F(CliTest, TheScaleUnitFollowsInEveryScaledValue) {
    const std::string file = PathOf("d.par"), out = PathOf("m.par");
    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file)).exitCode);
    CliResult set = RunCli("set " + Quote(file) + " -o " + Quote(out) + " Eingang/Skaleneinheit=2");
    ASSERT_EQ(0, set.exitCode) << set.err;
    CliResult list = RunCli("list " + Quote(out));
    ASSERT_EQ(0, list.exitCode) << list.err;
    for (const char* line :
         {"\nEingang/Skalierung.Ende = 1 m [", "\nGrenzwerte/Oberer Grenzwert D = 0,9 m [",
          "\nLinearisierung/Y24 = 1 m [", "\nSonstiges/TrendFallend = 0,1 m [",
          "\nSonstiges/Simulationsbereich.Anfang = 0 m [",
          "\nSonstiges/Simulationsschrittweite = 0,01 m ["})
        EXPECT_NE(std::string::npos, list.out.find(line)) << line;
    EXPECT_EQ(std::string::npos, list.out.find(" bar ")) << list.out;

    ASSERT_EQ(0, RunCli("report " + Quote(out) + " -o " + Quote(PathOf("r.txt"))).exitCode);
    const std::string report = ReadBytes(PathOf("r.txt"));
    EXPECT_NE(std::string::npos, report.find("Oberer Grenzwert A : 0,9 m"));
    EXPECT_NE(std::string::npos, report.find("Y1 : 0 m"));
    EXPECT_EQ(std::string::npos, report.find(" bar"));
}

TEST_F(CliTest, DemoDeviceIsWrittenAndReadBack) {
    const std::string file = PathOf("d.par"), changed = PathOf("c.par"), back = PathOf("r.par");
    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file)).exitCode);
    ASSERT_EQ(
        0, RunCli("set " + Quote(file) + " -o " + Quote(changed) + " Eingang/Filter=17").exitCode);

    CliResult connect = RunCli("--demo connect");
    EXPECT_EQ(0, connect.exitCode) << connect.err;
    EXPECT_EQ(0u, connect.out.find("COM1: NIVOLANTIS"));

    CliResult write = RunCli("--demo write " + Quote(changed));
    EXPECT_EQ(0, write.exitCode) << write.err;
    EXPECT_EQ("Gerät schreiben beendet.\n", write.err);

    CliResult read = RunCli("--demo read -o " + Quote(back));
    EXPECT_EQ(0, read.exitCode) << read.err;
    EXPECT_EQ("2\n", RunCli("get " + Quote(back) + " Eingang/Filter").out)
        << "a fresh demo device holds the defaults";

    CliResult badPort = RunCli("--port COM17=/dev/null connect");
    EXPECT_EQ(1, badPort.exitCode);
    EXPECT_EQ("Unbekannte Schnittstelle in 'COM17=/dev/null' (erwartet: COM1 bis COM16).\n",
              badPort.err);
}

TEST_F(CliTest, ListShowsEveryValueWithWhatItAllows) {
    const std::string file = PathOf("d.par");
    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file)).exitCode);
    CliResult all = RunCli("list " + Quote(file));
    ASSERT_EQ(0, all.exitCode) << all.err;
    for (const char* line :
         {"\nEingang/Filter = 2 [0..255]\n",
          "\nEingang/Skalierung.Ende = 1 bar [-9,9999..9,9999]\n",
          "\nGrenzwerte/Relaisfunktion A = 0 (Arbeitsstrom) [0: Arbeitsstrom, 1: Ruhestrom]\n",
          "\nGerätebeschreibung/Zeile2 = Beschreibung2\n"})
        EXPECT_NE(std::string::npos, all.out.find(line)) << line;
    EXPECT_EQ(0u, all.out.find("Eingang/Messbereich.Anfang = 4 mA [0..20]\n"));

    CliResult group = RunCli("list " + Quote(file) + " Grenzwerte", "LANG=C");
    EXPECT_EQ(0, group.exitCode);
    EXPECT_EQ(0u, group.out.find("Grenzwerte/Unterer Grenzwert A = 0.1 bar [0..1]\n"));
    EXPECT_EQ(std::string::npos, group.out.find("Eingang/"));
    EXPECT_EQ(2, RunCli("list " + Quote(file) + " Keine").exitCode);
}

TEST_F(CliTest, ReportFileFormatFollowsItsName) {
    const std::string file = PathOf("d.par");
    ASSERT_EQ(0, RunCli("defaults -o " + Quote(file)).exitCode);
    CliResult text = RunCli("report " + Quote(file) + " -o " + Quote(PathOf("r.txt")));
    EXPECT_EQ(0, text.exitCode) << text.err;
    EXPECT_EQ(0u, ReadBytes(PathOf("r.txt")).find("Konfigurationsdaten Nivolantis K417."));
    CliResult pdf = RunCli("report " + Quote(file) + " -o " + Quote(PathOf("r.PDF")),
                           "-u XDG_RUNTIME_DIR -u DISPLAY -u QT_QPA_PLATFORM LANG=de_DE.UTF-8");
    EXPECT_EQ(0, pdf.exitCode);
    EXPECT_EQ("", pdf.err) << "no notes of the GUI framework";
    EXPECT_EQ(0u, ReadBytes(PathOf("r.PDF")).find("%PDF-"));
}
