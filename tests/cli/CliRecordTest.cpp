// The commissioning record of nivoconfig-cli: every device operation of a run adds its line,
// and `record` prints them.
#include "base/Sha256.h"
#include "device/cSerCom.h"
#include "model/Configuration.h"
#include "sim/K417Simulator.h"
#include "support/CliRunner.h"
#include "support/CoreTest.h"
#include "support/PortMap.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <numeric>
#include <regex>

namespace {

class CliRecordTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        sim.Start();
        defaults = Quote(PathOf("d.par"));
        ASSERT_EQ(0, Run("defaults -o " + defaults).exitCode);
    }

    static std::string Quote(const std::string& text) { return "'" + text + "'"; }

    /// nivoconfig-cli with the record in the test's folder and the device on COM1.
    CliResult Run(const std::string& arguments) {
        std::string ports;
        for (int n = 1; n <= cSerCom::kPortCount; ++n)
            ports += " --port COM" + std::to_string(n) + "=" +
                     Quote(PortPath({{1, sim.SlavePath()}}, n, Dir()));
        return RunCli(ports + " " + arguments,
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

    /// The device's configuration bytes in the order a write sends them: every parameter in
    /// walk order, its cells from the lowest address up.
    std::string ConfigurationBytes() const {
        const auto image = sim.Eeprom();
        std::string bytes;
        Configuration({"bar"}).ForEachParameter([&](cDataGroup&, cParameter& p) {
            for (int i = 0; i < p.Size(); ++i)
                bytes += static_cast<char>(image[p.Adress() + i]);
        });
        return bytes;
    }

    K417Simulator sim;
    std::string defaults; ///< d.par, quoted for the shell
    const std::string kHeader =
        "Zeit,Benutzer,Benutzername,Programm,Vorgang,Schnittstelle,Gerätedatei,Gerät,Variante,"
        "Datei,SHA-256,Ergebnis,Meldung\r\n";
};

TEST_F(CliRecordTest, EveryDeviceOperationAddsItsLineWithTheDigestOfItsBytes) {
    ASSERT_EQ(0, Run("write " + defaults).exitCode);
    const std::string configuration = ConfigurationBytes();
    ASSERT_EQ(253u, configuration.size());
    ASSERT_EQ(0, Run("read -o " + Quote(PathOf("r.par"))).exitCode);
    sim.SetFaults({.wrongEchoAt = 182}); // the filter
    std::size_t filterAt = 0;            // its place among the configuration's bytes
    bool beforeFilter = true;
    Configuration({"bar"}).ForEachParameter([&](cDataGroup&, cParameter& p) {
        beforeFilter = beforeFilter && p.ParName() != "Filter";
        filterAt += beforeFilter ? p.Size() : 0;
    });
    ASSERT_EQ(1, Run("write " + defaults).exitCode);
    sim.SetFaults({});
    ASSERT_EQ(0, Run("--no-record read -o " + Quote(PathOf("r.par"))).exitCode);

    // Erased flash; then four bytes written, the rest of their block erased.
    const std::string hex = PathOf("fw.hex");
    ASSERT_EQ(0, Run("firmware-read --size 16 -o " + Quote(hex)).exitCode);
    WriteBytes(hex, ":0400000001020304F2\r\n:00000001FF\r\n");
    ASSERT_EQ(0, Run("firmware-write " + Quote(hex)).exitCode);

    K417Device::EepromImage image;
    std::iota(image.begin(), image.end(), std::uint8_t{3});
    sim.SetEeprom(image);
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
                  line("Konfiguration schreiben", PathOf("d.par") + "," + Sha256Hex(configuration) +
                                                      ",OK,Gerät schreiben beendet.") +
                  line("Konfiguration lesen",
                       "," + Sha256Hex(configuration) + ",OK,Gerät lesen beendet.") +
                  // The bytes the device confirmed: every value before the filter.
                  line("Konfiguration schreiben",
                       PathOf("d.par") + "," + Sha256Hex(configuration.substr(0, filterAt)) +
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
