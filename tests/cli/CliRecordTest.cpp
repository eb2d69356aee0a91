// The commissioning record of nivoconfig-cli: every device operation of a run adds its line,
// and `record` prints them.
#include "base/Sha256.h"
#include "sim/K417Simulator.h"
#include "support/CliRunner.h"
#include "support/CoreTest.h"
#include "support/CountingEeprom.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <regex>

namespace {

using namespace std::string_literals;

/// The default configuration's 253 bytes in the order a write sends them: group by group, each
/// range's begin and end before the group's plain parameters, every value least significant byte
/// first (milliamperes in µA, bar in 1/10000 bar).
const std::string kDefaultBytes =
    // Eingang: Messbereich 4–20 mA, Sondenstörung 2–22 mA, Skalierung 0–1 bar, Skaleneinheit 0,
    // Skalenkomma 4, Filter 2
    "\xA0\x0F\x20\x4E\xD0\x07\xF0\x55\x00\x00\x00\x00\x10\x27\x00\x00\x00\x04\x02"
    // Ausgang: Stellbereich 4–20 mA, Fehlerwert 0
    "\xA0\x0F\x20\x4E\x00\x00"
    // Grenzwerte: the ranges of A to D (lower 0.1 bar, upper 0.9 bar), then each channel's
    // Pumpentausch 0, Grenzwertfunktion 1, Relaisfunktion 0, Verzögerung 0, BeiFehler 0
    "\xE8\x03\x00\x00\x28\x23\x00\x00\xE8\x03\x00\x00\x28\x23\x00\x00"
    "\xE8\x03\x00\x00\x28\x23\x00\x00\xE8\x03\x00\x00\x28\x23\x00\x00"
    "\x00\x01\x00\x00\x00\x00\x01\x00\x00\x00\x00\x01\x00\x00\x00\x00\x01\x00\x00\x00"
    // Linearisierung: Modus 0, Stützpunkte 24, then X1 Y1 … X24 Y24 with
    // Xn = 4000 + 16000·(n−1)/23 and Yn = 10000·(n−1)/23, rounded
    "\x00\x18"
    "\xA0\x0F\x00\x00\x00\x00\x58\x12\xB3\x01\x00\x00\x0F\x15\x66\x03\x00\x00"
    "\xC7\x17\x18\x05\x00\x00\x7F\x1A\xCB\x06\x00\x00\x36\x1D\x7E\x08\x00\x00"
    "\xEE\x1F\x31\x0A\x00\x00\xA6\x22\xE3\x0B\x00\x00\x5D\x25\x96\x0D\x00\x00"
    "\x15\x28\x49\x0F\x00\x00\xCD\x2A\xFC\x10\x00\x00\x84\x2D\xAF\x12\x00\x00"
    "\x3C\x30\x61\x14\x00\x00\xF3\x32\x14\x16\x00\x00\xAB\x35\xC7\x17\x00\x00"
    "\x63\x38\x7A\x19\x00\x00\x1A\x3B\x2D\x1B\x00\x00\xD2\x3D\xDF\x1C\x00\x00"
    "\x8A\x40\x92\x1E\x00\x00\x41\x43\x45\x20\x00\x00\xF9\x45\xF8\x21\x00\x00"
    "\xB1\x48\xAA\x23\x00\x00\x68\x4B\x5D\x25\x00\x00\x20\x4E\x10\x27\x00\x00"
    // Sonstiges: Simulationsbereich 0–1 bar, Passwort 27460, PasswortAktiv 0, Trendintervall 60 s,
    // TrendSteigend and TrendFallend 0.1 bar, Simulationsschrittweite 0.01 bar,
    // Simulationszeitraster 1 s, Simulationsmodus 0
    "\x00\x00\x00\x00\x10\x27\x00\x00\x44\x6B\x00\x00\x00\x00\x3C\x00"
    "\xE8\x03\x00\x00\xE8\x03\x00\x00\x64\x00\x00\x00\x01\x00"s;

class CliRecordTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        sim.Start();
        defaults = Quote(PathOf("d.par"));
        ASSERT_EQ(0, Run("defaults -o " + defaults).exitCode);
    }

    /// nivoconfig-cli with the record in the test's folder and the device on COM1.
    CliResult Run(const std::string& arguments) {
        return RunCli(PortOptions({{1, sim.SlavePath()}}, Dir()) + arguments,
                      "XDG_STATE_HOME=" + Quote(PathOf("state")) + " LANG=de_DE.UTF-8");
    }

    /// `record`'s output without each line's time and operating-system user, which the test
    /// cannot know beforehand; they are checked for their form.
    std::string Record(const std::string& options = "") {
        const CliResult result = Run("record " + options);
        EXPECT_EQ(0, result.exitCode) << result.err;
        const std::regex start("(^|\n)[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}"
                               "[+-][0-9]{2}:[0-9]{2},[^,]+,");
        return std::regex_replace(result.out, start, "$1");
    }

    K417Simulator sim;
    std::string defaults; ///< d.par, quoted for the shell
    const std::string kHeader =
        "Zeit,Benutzer,Benutzername,Programm,Vorgang,Schnittstelle,Gerätedatei,Gerät,Variante,"
        "Datei,SHA-256,Ergebnis,Meldung\r\n";
};

TEST_F(CliRecordTest, EveryDeviceOperationAddsItsLineWithTheDigestOfItsBytes) {
    ASSERT_EQ(253u, kDefaultBytes.size());
    ASSERT_EQ(0, Run("write " + defaults).exitCode);
    ASSERT_EQ(0, Run("read -o " + Quote(PathOf("r.par"))).exitCode);
    sim.SetFaults({.wrongEchoAt = 182}); // the filter, after the first 18 bytes
    ASSERT_EQ(1, Run("write " + defaults).exitCode);
    sim.SetFaults({});
    ASSERT_EQ(0, Run("--no-record read -o " + Quote(PathOf("r.par"))).exitCode);

    // Erased flash; then four bytes written, the rest of their block erased.
    const std::string hex = PathOf("fw.hex");
    ASSERT_EQ(0, Run("firmware-read --size 16 -o " + Quote(hex)).exitCode);
    WriteBytes(hex, ":0400000001020304F2\r\n:00000001FF\r\n");
    ASSERT_EQ(0, Run("firmware-write " + Quote(hex)).exitCode);

    sim.SetEeprom(CountingEeprom(3));
    const std::string dump = PathOf("e.eep");
    ASSERT_EQ(0, Run("eeprom-read -o " + Quote(dump)).exitCode);
    ASSERT_EQ(0, Run("eeprom-write " + Quote(dump)).exitCode);
    std::string eeprom;
    for (int i = 0; i < 512; ++i)
        eeprom += static_cast<char>((i + 3) % 256);

    const std::string on = "nivoconfig-cli,%1,COM1," + sim.SlavePath() + ",NIVOLANTIS K417 V2.1,7,";
    const auto line = [&on](const std::string& operation, const std::string& rest) {
        return "Benutzername," + std::regex_replace(on, std::regex("%1"), operation) + rest +
               "\r\n";
    };
    EXPECT_EQ(kHeader +
                  line("Konfiguration schreiben", PathOf("d.par") + "," + Sha256Hex(kDefaultBytes) +
                                                      ",OK,Gerät schreiben beendet.") +
                  line("Konfiguration lesen",
                       "," + Sha256Hex(kDefaultBytes) + ",OK,Gerät lesen beendet.") +
                  // The bytes the device confirmed: every value before the filter.
                  line("Konfiguration schreiben",
                       PathOf("d.par") + "," + Sha256Hex(kDefaultBytes.substr(0, 18)) +
                           ",Fehler,\"Schreiben des Gerätes.\r\nParameter 'Filter' konnte nicht "
                           "geschrieben werden\r\nDie Verbindung zum Gerät ist abgebrochen oder "
                           "gestört. Das Gerät enthält jetzt eine unvollständige Konfiguration: "
                           "die Parameter davor sind neu, die übrigen alt.\r\nBitte die "
                           "Verbindung prüfen und das Gerät erneut schreiben.\"") +
                  line("Firmware lesen", hex + "," + Sha256Hex(std::string(16, '\xFF')) +
                                             ",OK,Hex-Daten in Datei '" + hex + "' gespeichert.") +
                  line("Firmware schreiben",
                       hex + "," +
                           Sha256Hex(std::string("\x01\x02\x03\x04") + std::string(124, '\xFF')) +
                           ",OK,Geräte-Reset durchführen.") +
                  line("EEPROM schreiben",
                       dump + "," + Sha256Hex(eeprom) + ",OK,EEPROM geschrieben (512 Bytes)."),
              Record());
}

TEST_F(CliRecordTest, RecordShowsTheLinesOfOneDeviceOrFromOneDayOn) {
    ExpectCli({"record", 1, CliCase::Err, "Das Inbetriebnahmeprotokoll '", CliCase::Starts, "",
               "XDG_STATE_HOME=" + Quote(PathOf("state")) + " LANG=de_DE.UTF-8"});
    ASSERT_EQ(0, Run("write " + defaults).exitCode);
    sim.SetIdentification("NIVOLANTIS K417 V3.0");
    ASSERT_EQ(0, Run("write " + defaults).exitCode);

    const auto count = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '\n');
    };
    const std::string one = Record("--device V3.0");
    EXPECT_EQ(2, count(one)) << one;
    EXPECT_THAT(one, ::testing::HasSubstr(",NIVOLANTIS K417 V3.0,"));
    EXPECT_EQ(3, count(Record("--device K417")));
    EXPECT_EQ(kHeader, Record("--device K418"));
    EXPECT_EQ(3, count(Record("--since 2000-01-01")));
    EXPECT_EQ(kHeader, Record("--since 2999-01-01"));
    const std::string today = Run("record").out.substr(kHeader.size(), 10); // the lines' day
    EXPECT_EQ(3, count(Record("--since " + today))) << today;
    for (const std::string day : {"2026-1-1", "2026-13-01", "2026-02-29"})
        ExpectCli({"record --since " + day, 2, CliCase::Err,
                   "nivoconfig-cli: --since: '" + day + "' ist kein Datum JJJJ-MM-TT.\n",
                   CliCase::Starts});

    // A benchmark's transfers are no commissioning.
    ExpectCli({"transfers", 0, CliCase::Out, "download_19200", CliCase::Contains, NIVOBENCH_PATH,
               "XDG_STATE_HOME=" + Quote(PathOf("bank")) +
                   " XDG_CONFIG_HOME=" + Quote(PathOf("bank")) + " LANG=de_DE.UTF-8"});
    EXPECT_FALSE(std::filesystem::exists(PathOf("bank/NivoConfig/Inbetriebnahme.csv")));
}

} // namespace
