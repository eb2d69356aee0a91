// nivoconfig-cli against a simulated device on a real pseudo-terminal.
#include "device/DeviceProtocol.h"
#include "device/cSerCom.h"
#include "sim/K417Simulator.h"
#include "sim/PseudoTerminal.h"
#include "support/CliRunner.h"
#include "support/CoreTest.h"
#include "support/CountingEeprom.h"

#include <gmock/gmock.h>

#include <map>
#include <unistd.h>

using ::testing::EndsWith;
using ::testing::StartsWith;

namespace {

constexpr std::size_t kFilterAddress = 182;
constexpr std::size_t kScaleUnitAddress = 195;
constexpr std::size_t kDecimalPlacesAddress = 196;

class CliDeviceTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        sim.Start();
        defaults = Quote(PathOf("d.par"));
        ASSERT_EQ(0, RunCli("defaults -o " + defaults).exitCode);
    }

    /// Every port mapped: the given ones, the others to files that do not exist.
    std::string Ports(const std::map<int, std::string>& paths) const {
        return PortOptions(paths, Dir());
    }
    std::string OnCom1() const { return Ports({{1, sim.SlavePath()}}); }

    /// A copy of the defaults with the given assignments.
    std::string Changed(const std::string& assignments) {
        EXPECT_EQ(0, RunCli("set " + defaults + " -o " + Quote(PathOf("f.par")) + " " + assignments)
                         .exitCode);
        return Quote(PathOf("f.par"));
    }

    K417Simulator sim;
    std::string defaults; ///< d.par, quoted for the shell
};

TEST_F(CliDeviceTest, ReducedVariantIsWrittenOnlyWhenChosen) {
    K417Device::EepromImage image = K417Device::BlankEeprom();
    image[K417Device::kVariantAddress] = 0xF9; // low three bits: variant 1
    sim.SetEeprom(image);
    const std::string file = Changed("Eingang/Filter=9");

    // {call, exit code, start of standard error, the filter byte in the device afterwards}
    const std::tuple<std::string, int, std::string, int> writes[] = {
        {"write " + file, 1, "Gerät schreiben\nFalsche Gerätevariante.\n", 0xFF},
        {"--lang en write --variant device " + file, 0, "Writing the device finished.\n", 9},
        {"write --variant 1 " + defaults, 0, "", 2},
    };
    for (const auto& [call, exitCode, err, filter] : writes) {
        ExpectCli({OnCom1() + call, exitCode, CliCase::Err, err, CliCase::Starts});
        EXPECT_EQ(filter, sim.Eeprom()[kFilterAddress]) << call;
    }
    ExpectCli({Ports({}) + "write --variant geraet " + file, 1, CliCase::Err,
               "Die Hardwarevariante des Gerätes konnte nicht gelesen werden.\n"});
}

TEST_F(CliDeviceTest, ReadSavesWhatTheDeviceHoldsButFailsItsCheck) {
    ASSERT_EQ(0, RunCli(OnCom1() + "write " + defaults).exitCode);
    K417Device::EepromImage image = sim.Eeprom();
    // Lower limit A 0,95 × 10000 = 0x251C at 211, least significant byte first: above the upper
    // limit 0,9, though each value lies within 0..1.
    const std::uint8_t lower[] = {0x1C, 0x25, 0x00, 0x00};
    std::copy(std::begin(lower), std::end(lower), image.begin() + 211);
    sim.SetEeprom(image);
    ExpectCli({OnCom1() + "read -o " + Quote(PathOf("r.par")), 1, CliCase::Err,
               "Unterer Grenzwert A > Oberer Grenzwert A.", CliCase::Contains});
    EXPECT_NE(std::string::npos,
              ReadBytes(PathOf("r.par")).find("\r\nUnterer Grenzwert A=0,95\r\n"));
}

TEST_F(CliDeviceTest, DiffComparesFilesAndTheDevice) {
    const std::string changed = Changed("Eingang/Skalenkomma=2 Eingang/Filter=9 "
                                        "'Grenzwerte/Relaisfunktion B=1' "
                                        "Gerätebeschreibung/Zeile2=Tank");
    const CliCase diffs[] = {
        {"diff " + defaults + " " + defaults, 0, CliCase::Out, ""},
        {"diff " + defaults + " " + changed, 1, CliCase::Out,
         "Eingang/Skalenkomma: 4 (0.0000) → 2 (000.00)\n"
         "Eingang/Filter: 2 → 9\n"
         "Grenzwerte/Relaisfunktion B: 0 (Arbeitsstrom) → 1 (Ruhestrom)\n"
         "Gerätebeschreibung/Zeile2: Beschreibung2 → Tank\n"},
        {OnCom1() + "write " + defaults, 0, CliCase::Err, "", CliCase::Contains},
        // The defaults hold values between two of the device's steps (X2=4,695652 mA is kept as
        // 4,696): the device holds the file all the same.
        {OnCom1() + "diff --device " + defaults, 0, CliCase::Out, ""},
        // Values the decimal places do not change (0,9 bar) are no difference either.
        {OnCom1() + "diff --device " + changed, 1, CliCase::Out,
         "Eingang/Skalenkomma: 2 (000.00) → 4 (0.0000)\n"
         "Eingang/Filter: 9 → 2\n"
         "Grenzwerte/Relaisfunktion B: 1 (Ruhestrom) → 0 (Arbeitsstrom)\n"},
    };
    for (const CliCase& row : diffs)
        ExpectCli(row);
}

TEST_F(CliDeviceTest, MeasureShowsTheLiveValuesInTheDevicesScaling) {
    K417Device::EepromImage image = K417Device::BlankEeprom();
    image[kDecimalPlacesAddress] = 2;
    image[kScaleUnitAddress] = 2; // "m"
    sim.SetEeprom(image);
    sim.SetMeasuredValues({15500, -2500, 1000});
    // A device file without "COMn=" is COM1's.
    ExpectCli({Ports({}) + "--port " + Quote(sim.SlavePath()) + " measure", 0, CliCase::Out,
               "15,5 mA  -25 m  1000 A/D\n"});

    // Every 0,4 s until Ctrl+C after 1 s: rounds at 0, 0,4 and 0,8 s, perhaps one more. Each
    // line reaches a file (or pipe) as it is measured, not only when the command ends.
    const std::string lines = Quote(PathOf("m.txt"));
    CliResult repeated =
        RunProgram("sh", "-c \"" + std::string(NIVO_CLI_PATH) + OnCom1() + "measure --every 0.4 >" +
                             lines + " & sleep 1; cat " + lines + "; kill -INT \\$!; wait \\$!\"");
    EXPECT_EQ(0, repeated.exitCode) << repeated.err;
    const auto rounds = std::count(repeated.out.begin(), repeated.out.end(), '\n');
    EXPECT_TRUE(rounds >= 2 && rounds <= 4) << repeated.out;

    // "I", two EEPROM reads of three bytes, "Q" and "i": the line closes on "i", before its
    // answer (the fifth) left; held back, it cannot race the hang-up to the reader.
    sim.SetFaults({.answerDelayS = 1, .hangUpAfter = 9, .faultyFrom = 5});
    ExpectCli({OnCom1() + "measure", 1, CliCase::Out, "15,5 mA  Fehler m  Fehler A/D\n"});
}

TEST_F(CliDeviceTest, SearchAndPortsTellWhatEachPortDid) {
    PseudoTerminal held, silent;
    cSerCom other; // another program holding a port
    other.Names().setPortPath(1, held.SlavePath());
    ASSERT_EQ(1, other.OpenCom(1, DeviceProtocol::kLineSettings));
    K417Simulator stranger;
    stranger.SetIdentification("ANDERES GERAET");
    stranger.Start();
    const std::map<int, std::string> ports{{1, held.SlavePath()},
                                           {3, "/dev/null"},
                                           {4, silent.SlavePath()},
                                           {5, stranger.SlavePath()},
                                           {6, sim.SlavePath()}};
    // The command line names this test's process as the holder.
    const std::string byTest =
        " (von 'test_cli_device', Prozess " + std::to_string(::getpid()) + ")";
    const std::string notSerial = "COM3 (/dev/null): Schnittstelle kann nicht geöffnet werden: "
                                  "keine serielle Schnittstelle.\n";
    ExpectCli({Ports(ports) + "connect -v", 0, CliCase::Out,
               "COM1 (" + held.SlavePath() + "): Schnittstelle wird bereits verwendet" + byTest +
                   ".\nCOM2 (" + PathOf("kein-tty2") + "): Schnittstelle nicht vorhanden.\n" +
                   notSerial + "COM4 (" + silent.SlavePath() + "): keine Antwort.\nCOM5 (" +
                   stranger.SlavePath() + "): falsche Antwort 'ANDERES GERAET'.\nCOM6 (" +
                   sim.SlavePath() + "): Gerät gefunden: NIVOLANTIS K417 V2.1\n" +
                   "COM6: NIVOLANTIS K417 V2.1\n"});
    ExpectCli(
        {Ports({{1, held.SlavePath()}, {3, "/dev/null"}}) + "write " + defaults, 1, CliCase::Err,
         "Gerät schreiben\nKommunikationsfehler.\nGerät konnte nicht gefunden werden.\nCOM1 (" +
             held.SlavePath() + "): Schnittstelle wird bereits verwendet" + byTest + ".\n" +
             notSerial + "COM2, COM4 bis COM16: Schnittstelle nicht vorhanden.\n"});
    ExpectCli({Ports({}) + "connect", 1, CliCase::Err,
               "Kein Gerät gefunden.\nCOM1 bis COM16: Schnittstelle nicht vorhanden.\n"});

    // The named ports first, then the ports of this machine.
    ExpectCli({"--port COM1=" + Quote(silent.SlavePath()) +
                   " --port COM2=" + Quote(held.SlavePath()) + " ports",
               0, CliCase::Out,
               "COM1: " + silent.SlavePath() +
                   ", aus den Einstellungen, Zugriff erlaubt.\nCOM2: " + held.SlavePath() +
                   ", aus den Einstellungen, Schnittstelle wird bereits verwendet" + byTest + ".\n",
               CliCase::Starts});
}

TEST_F(CliDeviceTest, TraceTakesTheSearchsBytesAndTellsWhenItCannotStart) {
    const std::string trace = PathOf("Mitschnitt.txt");
    const std::string call = Ports({{2, sim.SlavePath()}}) + "--trace " + Quote(trace) + " connect";
    ExpectCli({call, 0, CliCase::Out, "COM2: NIVOLANTIS K417 V2.1\n"});
    ExpectCli({call, 0, CliCase::Err, ""});
    // The search's exchange with COM2 in the channel's own format, once per run: a second run
    // appends.
    const std::string content = ReadBytes(trace), asked = "COM2 > 49  |I|\n";
    EXPECT_NE(content.find(asked), content.rfind(asked)) << content;

    ExpectCli({Ports({}) + "--trace " + Quote(Dir().string()) + " connect", 1, CliCase::Err,
               "Der Mitschnitt in '" + Dir().string() + "' ist nicht möglich: ", CliCase::Starts});
}

// The firmware and EEPROM commands: steps on standard output, failures on standard error and in
// the exit code. The texts themselves belong to the transfers and their tests.
TEST_F(CliDeviceTest, FirmwareIsWrittenAndReadBackWithFailuresOnStandardError) {
    const std::string file = PathOf("fw.hex"), back = PathOf("zurueck.hex");
    // Two blocks of 128 bytes, so that the write has a percentage to show.
    WriteBytes(file, ":0400000001020304F2\r\n:01008000552A\r\n:00000001FF\r\n");
    CliResult write = RunCli(OnCom1() + "firmware-write " + Quote(file));
    EXPECT_EQ(0, write.exitCode) << write.out << write.err;
    EXPECT_THAT(write.out, StartsWith("Datei '" + file + "' geöffnet (5 Bytes).\nBootloader"));
    EXPECT_EQ("", write.err) << "no progress display without a terminal";
    ASSERT_EQ(0, RunCli(OnCom1() + "firmware-read --size 4 -o " + Quote(back)).exitCode);
    EXPECT_EQ(":1000000001020304FFFFFFFFFFFFFFFFFFFFFFFFF2\r\n", ReadBytes(back).substr(0, 45));

    sim.SetFaults({.wrongFlashEchoAt = 2});
    CliResult echo = RunCli(OnCom1() + "firmware-write " + Quote(file));
    EXPECT_EQ(1, echo.exitCode);
    EXPECT_THAT(echo.err, StartsWith("Fehler beim Flash schreiben auf Blockadresse 0. "));
    EXPECT_THAT(echo.out, EndsWith("Geräte-Reset durchführen.\n"));
}

// The dump's format is the dump file's own test; here it goes from the device and back.
TEST_F(CliDeviceTest, EepromDumpIsReadAndWrittenBackAndCellsThatFailAreNamed) {
    const K417Device::EepromImage image = CountingEeprom(3);
    sim.SetEeprom(image);
    const std::string dump = PathOf("e.eep");
    ASSERT_EQ(0, RunCli(OnCom1() + "eeprom-read -o " + Quote(dump)).exitCode);
    EXPECT_EQ(":10000000030405060708090A0B0C0D0E0F10111248\r\n", ReadBytes(dump).substr(0, 45));

    sim.SetEeprom({});
    ASSERT_EQ(0, RunCli(OnCom1() + "eeprom-write " + Quote(dump)).exitCode);
    EXPECT_TRUE(image == sim.Eeprom());

    sim.SetFaults({.wrongEchoAt = 0x64});
    CliResult write = RunCli(OnCom1() + "eeprom-write " + Quote(dump));
    EXPECT_EQ(1, write.exitCode);
    EXPECT_EQ("Diese EEPROM-Adressen konnten nicht geschrieben werden: 0x64.\n", write.err);

    sim.SetFaults({.hangUpAfter = 1 + 2 + 3 * 100 + 1}); // search, "B" 0, cells 0 to 99
    CliResult read = RunCli(OnCom1() + "eeprom-read -o " + Quote(PathOf("f.eep")));
    EXPECT_EQ(1, read.exitCode);
    EXPECT_EQ("Das Gerät hat diese EEPROM-Adressen nicht beantwortet: 0x64 bis 0x1FF.\n", read.err);
}

} // namespace
