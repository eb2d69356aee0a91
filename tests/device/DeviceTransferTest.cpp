#include "base/Platform.h"
#include "files/CommissioningRecord.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/CallbackPump.h"
#include "support/EnglishTexts.h"
#include "support/FastClock.h"
#include "support/ModelTest.h"
#include "support/PortMap.h"
#include "support/RecordingView.h"
#include "support/SkippingClock.h"

#include <gmock/gmock.h>

#include <chrono>
#include <cmath>
#include <thread>

namespace {

using ::testing::_;

const char* const kWriteTitle = "Gerät schreiben";
const char* const kReadTitle = "Gerät lesen";
const char* const kWritten = "Gerät schreiben beendet.";
const char* const kRead = "Gerät lesen beendet.";

/// A model and a simulated device on COM1; every other port leads nowhere.
class DeviceTransferTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Map({{1, sim.SlavePath()}});
        sim.SetEeprom(FactoryEeprom());
        sim.Start();
        registration = app->AddView(view);
    }
    void Map(const std::map<int, std::string>& paths) { MapPorts(app->SerCom(), paths, Dir()); }

    /// Every value in device steps (values between two steps of 1 ÷ factor cannot survive).
    std::vector<std::string> DeviceValues() {
        std::vector<std::string> values;
        for (cParameter* p : WalkOrder())
            values.push_back(p->ParName() + "=" +
                             std::to_string(std::llround(double(p->Value()) * p->Factor())));
        return values;
    }

    std::vector<int> Bytes(int adress, int count) {
        const auto image = sim.Eeprom();
        return std::vector<int>(image.begin() + adress, image.begin() + adress + count);
    }
    /// Puts `bytes` into the device's EEPROM from `adress` on.
    void Poke(int adress, std::initializer_list<std::uint8_t> bytes) {
        auto image = sim.Eeprom();
        std::copy(bytes.begin(), bytes.end(), image.begin() + adress);
        sim.SetEeprom(image);
    }

    std::vector<int> Progress() const {
        std::vector<int> values;
        for (const auto& entry : log)
            if (entry.rfind("main:Progress ", 0) == 0)
                values.push_back(std::stoi(entry.substr(14)));
        return values;
    }

    K417Simulator sim;
    std::vector<std::string> log;
    RecordingProgressView view{"main", log};
    ViewRegistration registration;
};

} // namespace

TEST_F(DeviceTransferTest, WriteThenReadBringsBackANonDefaultConfiguration) {
    R("Eingang", "Skalierung").SetRangeBegin(-9.9999);
    R("Eingang", "Skalierung").SetRangeEnd(9.9999);
    R("Eingang", "Messbereich").SetRangeBegin(20.0);
    R("Eingang", "Messbereich").SetRangeEnd(4.0);
    app->UpdateLimits();
    R("Grenzwerte", "Grenzwert2").SetRangeBegin(-5.5);
    P("Linearisierung", "Y3").setValue(-0.0001);
    P("Sonstiges", "Passwort").setValue(99999.0);
    P("Sonstiges", "Trendintervall").setValue(65535.0);
    const auto written = DeviceValues();

    ExpectMessage(kWritten, MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    VerifyMessages();
    EXPECT_EQ(0, Progress().back()) << "the progress bar goes back to 0 after the write";
    // -9.9999 × 10000 as four-byte two's complement, least significant first.
    EXPECT_EQ((std::vector<int>{0x61, 0x79, 0xFE, 0xFF}), Bytes(187, 4));
    EXPECT_EQ((std::vector<int>{0x9F, 0x86, 0x01, 0, 0}), Bytes(15, 5)) << "Passwort 99999";
    // "a" awaits no answer: give the simulator a moment to take it.
    for (int i = 0; i < 100 && sim.CommandCount('a') == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(1, sim.CommandCount('a'));
    EXPECT_EQ(253, sim.CommandCount('L'));

    app->SetDefaults();
    log.clear();
    ExpectMessage(kRead, MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    const std::vector<int> progress = Progress();
    ASSERT_GE(progress.size(), 10u);
    EXPECT_EQ(1, progress[0]) << "2 of 253 bytes";
    EXPECT_EQ(8, progress[8]) << "after Eingang: 19 of 253 bytes";
    EXPECT_EQ((std::vector<int>{100, 0}), std::vector<int>(progress.end() - 2, progress.end()));
    EXPECT_EQ(written, DeviceValues());
    EXPECT_NE(std::string::npos, sim.Received().find(std::string("B\xFF", 2)));
}

// One decimal place, scale unit "m" and the scaling reversed, 2500.5 to 0.
TEST_F(DeviceTransferTest, DecimalPlacesAndScalingAreReadFirstAndTheLimitsAndUnitFollow) {
    Poke(187, {0xAD, 0x61, 0, 0, 0, 0, 0, 0, 2, 1}); // 25005, 0, unit 2, one decimal place
    Poke(58, {0x15, 0x27, 0, 0});                    // Y5 1000.5
    Poke(207, {0x51, 0x1D, 0, 0});                   // upper limit value A 750.5
    ExpectMessage(kRead, MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    EXPECT_EQ(2500.5f, R("Eingang", "Skalierung").GetRangeBegin());
    EXPECT_EQ(1000.5f, P("Linearisierung", "Y5").Value());
    EXPECT_EQ(750.5f, R("Grenzwerte", "Grenzwert1").GetRangeEnd());
    EXPECT_EQ(2500.5f, P("Linearisierung", "Y5").LowerLimit()) << "the limits follow the scaling";
    EXPECT_EQ("m", R("Grenzwerte", "Grenzwert1").RangeBegin().Unit());
}

TEST_F(DeviceTransferTest, VariantByteCountsWithItsLowThreeBits) {
    Poke(7, {0xF9});
    // The variant is applied, and the views shown it, before the closing message.
    std::uint8_t variantAtMessage = 0;
    Recorder().onShow = [&](const auto&) { variantAtMessage = app->HardwareVariante(); };
    ExpectMessage(kRead, MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    EXPECT_EQ(1, variantAtMessage);
    EXPECT_EQ(1, app->HardwareVariante());
    ExpectMessage(kWritten, MsgIcon::Information);
    EXPECT_TRUE(app->Download());
    VerifyMessages();

    // A refusal names both variants by the options window's texts.
    Poke(7, {0x0A});
    const int writes = sim.CommandCount('L');
    ExpectMessage("Falsche Gerätevariante.\r\nDas Gerät meldet: 'Variante 2'.\r\nIn den "
                  "Optionen eingestellt: 'Eingeschränkte Softwarefunktionen (keine "
                  "Trendbearbeitung, kein Pumpentausch). Alle Hardwarefunktionen'.\r\nBitte "
                  "unter Optionen die richtige Gerätevariante einstellen.",
                  MsgIcon::Critical, kWriteTitle);
    EXPECT_FALSE(app->Download());
    EXPECT_EQ(writes, sim.CommandCount('L'));
}

/// A device that fails a transfer half-way: the transfer ends at once with one message naming
/// what failed and what it left behind; the model stays as it was, its checks on.
struct TransferFault {
    const char* name;
    K417Faults faults;
    bool read;
    bool writes; ///< some bytes were written before the failure
    const char* message;
};
constexpr const char* kReadKeepsNothing = "\r\nEs wurde kein Wert übernommen; die bisherigen "
                                          "Werte bleiben unverändert.\r\nBitte die Verbindung "
                                          "prüfen und erneut lesen.";
const TransferFault kTransferFaults[] = {
    // The end of "Stellbereich" comes after all of "Eingang".
    {"OutputRangeUnanswered", K417Faults{.noAnswerFrom = 200}, true, false,
     "Lesen des Gerätes.\r\nParameter 'Stellbereich.Ende' konnte nicht gelesen werden"},
    // After the identification and "B" 0.
    {"AnswerOneByteTooLong", K417Faults{.extraByteFrom = 3}, true, false,
     "Lesen des Gerätes.\r\nParameter 'Skalenkomma' konnte nicht gelesen werden"},
    // The twentieth value written, after Eingang, Ausgang and the lower limit D.
    {"WrongEcho", K417Faults{.wrongEchoAt = 249}, false, true,
     "Schreiben des Gerätes.\r\nParameter 'Oberer Grenzwert D' konnte nicht geschrieben "
     "werden\r\nDie Verbindung zum Gerät ist abgebrochen oder gestört. Das Gerät enthält jetzt "
     "eine unvollständige Konfiguration: die Parameter davor sind neu, die übrigen alt.\r\nBitte "
     "die Verbindung prüfen und das Gerät erneut schreiben."},
    // The line drops with the first byte of the variant read, after the last parameter was
    // answered: "I", "B" 0, decimal places, every parameter byte.
    {"VariantUnreadAfterRead", K417Faults{.hangUpAfter = 1 + 2 + 3 + 3 * 253 + 1}, true, false,
     "Lesen des Gerätes.\r\nGerätevariante konnte nicht gelesen werden"},
    {"VariantUnreadBeforeWrite", K417Faults{.noAnswerFrom = 7}, false, false,
     "Kommunikationsfehler.\r\nGerätevariante konnte nicht gelesen werden."}};

class TransferFaultTest : public DeviceTransferTest,
                          public ::testing::WithParamInterface<TransferFault> {};

TEST_P(TransferFaultTest, EndsTheTransferWithItsMessage) {
    const TransferFault& row = GetParam();
    Poke(182, {9}); // Filter
    sim.SetFaults(row.faults);
    ExpectMessage(row.message + std::string(row.read ? kReadKeepsNothing : ""), MsgIcon::Critical,
                  row.read ? kReadTitle : kWriteTitle);
    EXPECT_FALSE(row.read ? app->Upload() : app->Download());
    VerifyMessages();
    EXPECT_EQ(2, P("Eingang", "Filter").Value()) << "the value from before the transfer";
    EXPECT_TRUE(P("Eingang", "Filter").EnableTestData());
    EXPECT_EQ(7, app->HardwareVariante()) << "not narrowed to variant 0";
    EXPECT_EQ(row.writes, sim.CommandCount('L') > 0);
    EXPECT_EQ(std::string::npos, sim.Received().find(std::string("B\xFF", 2)));
    EXPECT_EQ(0, Progress().back());
    EXPECT_EQ("main:Update", log.back()) << "the views are refreshed after the failure";
}

INSTANTIATE_TEST_SUITE_P(Faults, TransferFaultTest, ::testing::ValuesIn(kTransferFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceTransferTest, AFailingModelOrAValueTooBigForItsBytesReachesNoDevice) {
    R("Grenzwerte", "Grenzwert1").SetRangeBegin(0.95);
    ExpectMessage("Unterer Grenzwert A > Oberer Grenzwert A.\r\nBitte den Anfangs- oder den "
                  "Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    ExpectMessage("Parameter fehlerhaft.\r\nEs kann kein Download durchgeführt werden.",
                  MsgIcon::Critical);
    EXPECT_FALSE(app->Download());
    VerifyMessages();

    // Within its limits (as a scale unit of a settings file with many units), but 256 is the
    // first value the one byte the device keeps it in cannot hold.
    R("Grenzwerte", "Grenzwert1").SetRangeBegin(0.1);
    P("Eingang", "Filter").setUpperLimit(1000);
    P("Eingang", "Filter").setValue(256.0);
    ExpectMessage("Schreiben des Gerätes.\r\nParameter 'Filter' konnte nicht geschrieben werden: "
                  "256 passt nicht in 1 Byte.",
                  MsgIcon::Critical, kWriteTitle);
    EXPECT_FALSE(app->Download());
    EXPECT_EQ("", sim.Received()) << "nothing is sent, not even the search";
}

TEST_F(DeviceTransferTest, ADeviceWithoutAValidConfigurationIsReadButNamesTheBadValues) {
    Poke(196, {0xFF});             // decimal places
    Poke(31, {100});               // support points
    Poke(207, {0x50, 0xC3, 0, 0}); // upper limit value A: 50000 = 5.0 with four decimals
    ExpectMessage("Das Gerät enthält keine gültige Konfiguration.\r\n"
                  "Werte ausserhalb der Grenzen: Skalenkomma, Oberer Grenzwert A, Stützpunkte",
                  MsgIcon::Critical, kReadTitle);
    EXPECT_FALSE(app->Upload());
    VerifyMessages();
    EXPECT_EQ(255.0f, P("Eingang", "Skalenkomma").Value()) << "the values stay as read";
    EXPECT_EQ(5.0f, R("Grenzwerte", "Grenzwert1").GetRangeEnd());
    EXPECT_EQ(10000.0f, P("Linearisierung", "Y1").Factor()) << "never infinite";
    EXPECT_TRUE(P("Eingang", "Filter").EnableTestData());
}

// A failed search, its port list and passing silent ports on to a device behind them: see the
// command line and channel tests.

TEST_F(DeviceTransferTest, ACancelStopsReadsAndSearchesNotWritesAndASecondTransferIsRefused) {
    Poke(196, {2});           // two decimal places
    Poke(182, {9});           // Filter
    Poke(207, {50, 0, 0, 0}); // upper limit value A 0.5 × 100
    const auto before = DeviceValues();
    // Each wait tries to start a second transfer, and requests the cancel once the device was
    // asked for `after` EEPROM bytes.
    int refused = 0;
    const auto cancelAfter = [this, &refused](int after) {
        Platform::Install(std::make_unique<CallbackPump>([this, after, &refused] {
            refused += !app->Download() && !app->Upload() && app->Connect() == 0;
            if (sim.CommandCount('c') >= after)
                app->UserCancel().Request();
        }));
    };

    cancelAfter(30);
    app->UserCancel().Clear();
    ExpectMessage("Gerät lesen abgebrochen.", MsgIcon::Information, kReadTitle);
    EXPECT_FALSE(app->Upload());
    VerifyMessages();
    EXPECT_LT(sim.CommandCount('c'), 40) << "stopped at the next exchange";
    EXPECT_EQ(before, DeviceValues()) << "no value read reached the model";
    EXPECT_GT(refused, 0);
    EXPECT_EQ(1, sim.CommandCount('I')) << "no second search";
    EXPECT_TRUE(P("Eingang", "Filter").EnableTestData());
    EXPECT_EQ(0, Progress().back());
    const std::string received = sim.Received();
    EXPECT_EQ(std::string("B\xFF", 2), received.substr(received.size() - 2))
        << "the read series is closed";

    // Cancelled during the search: no device is asked for anything.
    Map({{3, sim.SlavePath()}});
    sim.ClearReceived();
    app->UserCancel().Clear();
    cancelAfter(0);
    ExpectMessage("Gerät lesen abgebrochen.", MsgIcon::Information, kReadTitle);
    EXPECT_FALSE(app->Upload());
    VerifyMessages();
    EXPECT_EQ("", sim.Received());
    // The record keeps each cancel as a failure with its message; this one found no device.
    const auto lines =
        CommissioningRecord::Lines(ReadBytes(PathOf("state/NivoConfig/Inbetriebnahme.csv")));
    ASSERT_EQ(3u, lines.size());
    EXPECT_THAT(lines[2].fields,
                ::testing::ElementsAre(_, _, _, _, "Konfiguration lesen", "", _, _, _, "", _,
                                       "Fehler", "Gerät lesen abgebrochen."));

    // A write does not stop on the request: a half-written device is worse than a wait.
    Map({{1, sim.SlavePath()}});
    ExpectMessage(kWritten, MsgIcon::Information);
    EXPECT_TRUE(app->Download());
}

// The same failures for a technician who reads English: the titles, the reasons and the
// parameters' captions in English.
TEST_F(DeviceTransferTest, FailuresAreReportedInEnglish) {
    const EnglishTexts english;
    sim.SetFaults(K417Faults{.silent = true});
    ExpectMessage("Communication error.\r\nThe device could not be found.\r\nCOM1 (" +
                      sim.SlavePath() + "): no answer.\r\nCOM2 to COM16: Port not present.",
                  MsgIcon::Critical, "Read device");
    Platform::Install(std::make_unique<FastClock>()); // the search's pauses and time-out
    EXPECT_FALSE(app->Upload());
    VerifyMessages();
    Platform::Install(std::make_unique<SkippingClock>());

    sim.SetFaults({});
    R("Grenzwerte", "Grenzwert1").SetRangeBegin(0.95); // after the range's box:
    EXPECT_FALSE(app->Download());
    ASSERT_EQ(2u, Recorder().Messages().size());
    EXPECT_EQ("Invalid parameters.\r\nThe device cannot be written.",
              Recorder().Messages()[1].text);
    Recorder().Clear();
    R("Grenzwerte", "Grenzwert1").SetRangeBegin(0.1);

    P("Eingang", "Filter").setUpperLimit(1000);
    P("Eingang", "Filter").setValue(300.0);
    ExpectMessage(
        "Writing to the device failed.\r\nParameter 'Filter' could not be written: 300 does "
        "not fit into 1 byte.",
        MsgIcon::Critical, "Write device");
    EXPECT_FALSE(app->Download());
    VerifyMessages();

    Poke(196, {0xFF});             // decimal places
    Poke(31, {100});               // support points
    Poke(207, {0x50, 0xC3, 0, 0}); // upper limit value A
    ExpectMessage("The device holds no valid configuration.\r\nValues outside the limits: "
                  "Decimal places, Upper switch point A, Support points",
                  MsgIcon::Critical, "Read device");
    EXPECT_FALSE(app->Upload());
    VerifyMessages();
}
