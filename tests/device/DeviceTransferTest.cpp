#include "base/EventPump.h"
#include "base/Platform.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/ModelTest.h"
#include "support/RecordingView.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace {

const char* const kWriteTitle = "Gerät schreiben";
const char* const kReadTitle = "Gerät lesen";

/// A model and a simulated device on COM1; every other port leads nowhere.
class DeviceTransferTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        MapPorts({{1, sim.SlavePath()}});
        sim.SetEeprom(FactoryEeprom());
        sim.Start();
        registration = app->AddView(view);
    }
    void MapPorts(const std::map<int, std::string>& paths) {
        for (std::int16_t n = 1; n <= cSerCom::kPortCount; ++n)
            app->SerCom().setPortPath(n, paths.count(n) ? paths.at(n)
                                                        : PathOf("kein-tty" + std::to_string(n)));
    }

    /// Every value in device steps (values between two steps of 1 ÷ factor cannot survive).
    std::vector<std::string> DeviceValues() {
        std::vector<std::string> values;
        for (cParameter* p : WalkOrder())
            values.push_back(p->ParName() + "=" +
                             std::to_string(std::llround(double(p->Value()) * p->Factor())));
        return values;
    }

    std::uint8_t Byte(int adress) { return sim.Eeprom().at(adress); }
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

    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    VerifyMessages();
    const std::vector<int> writeProgress = Progress();
    EXPECT_EQ((std::vector<int>{100, 0}),
              std::vector<int>(writeProgress.end() - 2, writeProgress.end()))
        << "the progress bar goes back to 0 after the write";
    EXPECT_EQ(1, app->PortNr());
    EXPECT_NE(std::string::npos, app->FirmwareID().find("NIVOLANTIS"));
    // -9.9999 × 10000 as four-byte two's complement, least significant first.
    EXPECT_EQ((std::vector<int>{0x61, 0x79, 0xFE, 0xFF}), Bytes(187, 4));
    EXPECT_EQ(0x9F, Byte(15)) << "99999 = 01 86 9F, five bytes";
    EXPECT_EQ(0x00, Byte(19));
    // "a" awaits no answer: give the simulator a moment to take it.
    for (int i = 0; i < 100 && sim.CommandCount('a') == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(1, sim.CommandCount('a'));
    EXPECT_EQ(253, sim.CommandCount('L'));

    app->SetDefaults();
    log.clear();
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    const std::vector<int> progress = Progress();
    ASSERT_GE(progress.size(), 10u);
    EXPECT_EQ(1, progress[0]) << "2 of 253 bytes";
    EXPECT_EQ(8, progress[8]) << "after Eingang: 19 of 253 bytes";
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end() - 1));
    EXPECT_EQ((std::vector<int>{100, 0}), std::vector<int>(progress.end() - 2, progress.end()));
    const auto read = DeviceValues();
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(written[i], read[i]);
    EXPECT_TRUE(P("Eingang", "Filter").EnableTestData());
    EXPECT_EQ(10000.0f, P("Linearisierung", "Y3").Factor());
    EXPECT_NE(std::string::npos, sim.Received().find(std::string("B\xFF", 2)));
}

TEST_F(DeviceTransferTest, DecimalPlacesAreReadFirstAndSetTheFactorsAndTheUnitFollows) {
    P("Eingang", "Skaleneinheit").setValue(2.0); // "m"
    P("Eingang", "Skalenkomma").setValue(1.0);
    app->UpdateLimits();
    R("Eingang", "Skalierung").SetRangeEnd(2500.5);
    app->UpdateLimits();
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    EXPECT_EQ(25005, Byte(191) | Byte(192) << 8) << "2500.5 × 10";

    app->SetDefaults();
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    EXPECT_EQ(2500.5f, R("Eingang", "Skalierung").GetRangeEnd());
    EXPECT_EQ(10.0f, R("Grenzwerte", "Grenzwert1").RangeEnd().Factor());
    for (const cParameter* scaled :
         {&R("Eingang", "Skalierung").RangeEnd(), &R("Grenzwerte", "Grenzwert1").RangeBegin(),
          &P("Linearisierung", "Y24"), &P("Sonstiges", "TrendSteigend")})
        EXPECT_EQ("m", scaled->Unit()) << scaled->ParName();
}

TEST_F(DeviceTransferTest, VariantByteCountsWithItsLowThreeBits) {
    Poke(7, {0xF9});
    // The variant is applied only after the closing message.
    std::uint8_t variantAtMessage = 0;
    Recorder().onShow = [&](const auto&) { variantAtMessage = app->HardwareVariante(); };
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    EXPECT_EQ(7, variantAtMessage);
    EXPECT_EQ(1, app->HardwareVariante());
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    EXPECT_TRUE(app->Download());
    VerifyMessages();

    Poke(7, {0x0A});
    app->setHardwareVariante(2);
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    EXPECT_TRUE(app->Download());
    VerifyMessages();

    // A refusal names both variants by the options window's texts.
    Poke(7, {0xF8});
    app->setHardwareVariante(7);
    const int writes = sim.CommandCount('L');
    ExpectMessage("Falsche Gerätevariante.\r\nDas Gerät meldet: 'Eingeschränkte "
                  "Softwarefunktionen (keine Trendbearbeitung, kein Pumpentausch). Eingeschränkte "
                  "Hardwarefunktionen (Nur 2 Relais).'.\r\nIn den Optionen eingestellt: 'Alle "
                  "Software und Hardwarefunktionen'.\r\nBitte unter Optionen die richtige "
                  "Gerätevariante einstellen.",
                  MsgIcon::Critical, kWriteTitle);
    EXPECT_FALSE(app->Download());
    EXPECT_EQ(writes, sim.CommandCount('L'));

    Poke(7, {0x0A});
    app->setHardwareVariante(1);
    ExpectMessage("Falsche Gerätevariante.\r\nDas Gerät meldet: 'Variante 2'.\r\nIn den "
                  "Optionen eingestellt: 'Eingeschränkte Softwarefunktionen (keine "
                  "Trendbearbeitung, kein Pumpentausch). Alle Hardwarefunktionen.'.\r\nBitte "
                  "unter Optionen die richtige Gerätevariante einstellen.",
                  MsgIcon::Critical, kWriteTitle);
    EXPECT_FALSE(app->Download());
    EXPECT_EQ(writes, sim.CommandCount('L'));
}

TEST_F(DeviceTransferTest, AFailedEchoNamesTheParameterAndKeepsTheBytesBefore) {
    const std::vector<cParameter*> order = WalkOrder();
    cParameter& twentieth = *order.at(19);
    sim.SetEeprom(K417Device::BlankEeprom());
    K417Faults faults;
    faults.wrongEchoAt = twentieth.Adress();
    sim.SetFaults(faults);

    ExpectMessage("Schreiben des Gerätes.\r\nParameter '" + twentieth.ParName() +
                      "' konnte nicht geschrieben werden",
                  MsgIcon::Critical, kWriteTitle);
    EXPECT_FALSE(app->Download());
    EXPECT_EQ("Oberer Grenzwert D", twentieth.ParName());
    // The defaults before it: 4 and 20 mA × 1000, 1 × 10000, Filter 2; 0.1 × 10000 just before.
    EXPECT_EQ((std::vector<int>{0xA0, 0x0F, 0x20, 0x4E, 0x02}), Bytes(178, 5));
    EXPECT_EQ((std::vector<int>{0x10, 0x27, 0x00, 0x00}), Bytes(191, 4));
    EXPECT_EQ((std::vector<int>{0xE8, 0x03, 0x00, 0x00}), Bytes(253, 4));
    const auto image = sim.Eeprom();
    for (std::size_t i = 0; i < order.size(); ++i)
        for (int b = 0; b < order[i]->Size(); ++b)
            EXPECT_EQ(i < 19, image[order[i]->Adress() + b] != 0xFF) << order[i]->ParName();
    EXPECT_EQ(0, Progress().back());
    EXPECT_EQ(0, sim.CommandCount('a'));
    EXPECT_EQ("main:Update", log.back()) << "the views are refreshed after the failure";
}

/// A device that fails a transfer half-way: the transfer ends at once with one message naming
/// what failed; a read keeps the values it got, a write leaves the model alone.
struct TransferFault {
    const char* name;
    K417Faults faults;
    bool read;
    std::string message; ///< the whole message; only its start where it ends with "'"
    float filter; ///< the model's Filter afterwards: 2 as before; 9 as in the device, once the
                  ///< read got to the parameters, whose checks then stay off
    bool writes;  ///< some bytes were written before the failure
};

void PrintTo(const TransferFault& row, std::ostream* out) {
    *out << row.name;
}

class TransferFaultTest : public DeviceTransferTest,
                          public ::testing::WithParamInterface<TransferFault> {};

TEST_P(TransferFaultTest, EndsTheTransferWithItsMessage) {
    const TransferFault& row = GetParam();
    Poke(182, {9}); // Filter
    sim.SetFaults(row.faults);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(row.read ? app->Upload() : app->Download());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_EQ(1u, Recorder().Messages().size());
    const auto& shown = Recorder().Messages()[0];
    EXPECT_EQ(row.read ? kReadTitle : kWriteTitle, shown.title);
    EXPECT_EQ(MsgIcon::Critical, shown.icon);
    if (row.message.back() == '\'')
        EXPECT_EQ(0u, shown.text.find(row.message)) << shown.text;
    else
        EXPECT_EQ(row.message, shown.text);
    Recorder().Clear();
    EXPECT_EQ(row.filter, P("Eingang", "Filter").Value());
    if (row.filter == 9) {
        EXPECT_FALSE(P("Eingang", "Filter").EnableTestData()) << "until the next check";
    }
    EXPECT_TRUE(app->EnableNotify());
    EXPECT_EQ(7, app->HardwareVariante()) << "not narrowed to variant 0";
    EXPECT_EQ(row.writes, sim.CommandCount('L') > 0);
    EXPECT_EQ(0, sim.CommandCount('a'));
    EXPECT_EQ(std::string::npos, sim.Received().find(std::string("B\xFF", 2)));
}

const char* const kDecimalPlacesUnread =
    "Lesen des Gerätes.\r\nParameter 'Skalenkomma' konnte nicht gelesen werden";

INSTANTIATE_TEST_SUITE_P(
    Faults, TransferFaultTest,
    ::testing::Values(
        TransferFault{
            "DecimalPlacesUnanswered", {.noAnswerFrom = 196}, true, kDecimalPlacesUnread, 2, false},
        // The end of "Stellbereich" comes after all of "Eingang".
        TransferFault{"OutputRangeUnanswered",
                      {.noAnswerFrom = 200},
                      true,
                      "Lesen des Gerätes.\r\nParameter 'Stellbereich.Ende' konnte nicht gelesen "
                      "werden",
                      9,
                      false},
        // After the identification and "B" 0.
        TransferFault{
            "AnswerOneByteTooLong", {.extraByteFrom = 3}, true, kDecimalPlacesUnread, 2, false},
        TransferFault{"HangUpDuringWrite",
                      {.hangUpAfter = 400},
                      false,
                      "Schreiben des Gerätes.\r\nParameter '",
                      2,
                      true},
        // The line drops with the first byte of the variant read, after the last parameter was
        // answered: "I", "B" 0, decimal places, every parameter byte.
        TransferFault{"VariantUnreadAfterRead",
                      {.hangUpAfter = 1 + 2 + 3 + 3 * 253 + 1},
                      true,
                      "Lesen des Gerätes.\r\nGerätevariante konnte nicht gelesen werden",
                      9,
                      false},
        TransferFault{"VariantUnreadBeforeWrite",
                      {.noAnswerFrom = 7},
                      false,
                      "Kommunikationsfehler.\r\nGerätevariante konnte nicht gelesen werden.",
                      2,
                      false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceTransferTest, AFailingModelIsRefusedBeforeAnyPortOpens) {
    R("Grenzwerte", "Grenzwert1").SetRangeBegin(0.95);
    ExpectMessage("Unterer Grenzwert A > Oberer Grenzwert A.\r\nBitte den Anfangs- oder den "
                  "Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    ExpectMessage("Parameter fehlerhaft.\r\nEs kann kein Download durchgeführt werden.",
                  MsgIcon::Critical);
    EXPECT_FALSE(app->Download());
    EXPECT_EQ("", sim.Received());
    EXPECT_EQ(0, app->SerCom().CurrentPort());
}

TEST_F(DeviceTransferTest, AValueOutsideItsLimitsOrItsBytesReachesNoDevice) {
    app->setEnableTestData(false); // as after loading a file
    P("Eingang", "Filter").setValue(300.0);
    ExpectMessage("Filter '300' ausserhalb 0..255", MsgIcon::Information, "Eingabefehler");
    ExpectMessage("Parameter fehlerhaft.\r\nEs kann kein Download durchgeführt werden.",
                  MsgIcon::Critical);
    EXPECT_FALSE(app->Download());
    VerifyMessages();

    // Within its limits, but 300 does not fit the one byte the device keeps it in.
    P("Eingang", "Filter").setUpperLimit(1000);
    ExpectMessage("Schreiben des Gerätes.\r\nParameter 'Filter' konnte nicht geschrieben werden: "
                  "300 passt nicht in 1 Byte.",
                  MsgIcon::Critical, kWriteTitle);
    EXPECT_FALSE(app->Download());
    EXPECT_EQ("", sim.Received()) << "nothing is sent, not even the search";
    EXPECT_EQ(0, Progress().back());
}

TEST_F(DeviceTransferTest, CodingExamplesGiveTheirBytes) {
    // 4.5 × 10 in one byte, 1000 × 1 in two bytes.
    P("Eingang", "Filter").setFactor(10);
    P("Eingang", "Filter").setValue(4.5);
    P("Sonstiges", "Trendintervall").setValue(1000.0);
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    EXPECT_EQ(0x2D, Byte(182));
    EXPECT_EQ(0xE8, Byte(260));
    EXPECT_EQ(0x03, Byte(261));

    // 0.25 × 10 = 2.5 goes to the even neighbour.
    P("Eingang", "Filter").setValue(0.25);
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    EXPECT_EQ(0x02, Byte(182));

    // E8 03 read back with factor 10.
    P("Sonstiges", "Trendintervall").setFactor(10);
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    EXPECT_EQ(100.0f, P("Sonstiges", "Trendintervall").Value());
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
    EXPECT_EQ(100.0f, P("Linearisierung", "Stützpunkte").Value());
    EXPECT_EQ(5.0f, R("Grenzwerte", "Grenzwert1").GetRangeEnd());
    EXPECT_EQ(10000.0f, P("Linearisierung", "Y1").Factor()) << "never infinite";
    EXPECT_TRUE(P("Eingang", "Filter").EnableTestData());
    EXPECT_EQ(0, Progress().back());

    // An erased EEPROM: one message, and every factor finite.
    sim.SetEeprom(K417Device::BlankEeprom());
    EXPECT_FALSE(app->Upload());
    ASSERT_EQ(1u, Recorder().Messages().size());
    EXPECT_EQ(kReadTitle, Recorder().Messages()[0].title);
    EXPECT_EQ(0u, Recorder().Messages()[0].text.find(
                      "Das Gerät enthält keine gültige Konfiguration.\r\n"));
    Recorder().Clear();
    for (cParameter* p : WalkOrder())
        EXPECT_TRUE(std::isfinite(p->Factor()) && p->Factor() > 0) << p->ParName();
}

// Each EEPROM byte is awaited about one second: an answer after half a second is taken, one after
// two seconds is not. Generous bounds, so that only a changed time-out is noticed.
TEST_F(DeviceTransferTest, AByteIsAwaitedAboutOneSecond) {
    ASSERT_EQ(1, app->Connect());
    sim.SetFaults({.answerDelayS = 0.5});
    EXPECT_EQ(1, app->SerCom().ReadEEPROM(182, 1));
    sim.SetFaults({.answerDelayS = 2.0});
    EXPECT_EQ(0, app->SerCom().ReadEEPROM(182, 1));
}

TEST_F(DeviceTransferTest, ADeviceOnlyOnTheLastPortIsFound) {
    MapPorts({{16, sim.SlavePath()}});
    EXPECT_EQ(16, app->Connect());
    EXPECT_EQ(16, app->PortNr());
    EXPECT_NE(std::string::npos, app->FirmwareID().find("NIVOLANTIS"));
}

TEST_F(DeviceTransferTest, ATransferStartedFromAWindowEventIsRefused) {
    struct NestedStart : EventPump {
        cNivolantis* app = nullptr;
        int refused = 0;
        void ProcessEvents() override {
            if (app && !app->Download() && !app->Upload() && app->Connect() == 0)
                ++refused;
        }
    };
    auto pump = std::make_unique<NestedStart>();
    NestedStart& nested = *pump;
    Platform::Install(std::move(pump));
    nested.app = app.get();
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    EXPECT_TRUE(app->Upload());
    nested.app = nullptr;
    EXPECT_GT(nested.refused, 0);
    EXPECT_EQ(1, sim.CommandCount('I')) << "no second search";
}

TEST_F(DeviceTransferTest, NoDeviceAnywhere) {
    MapPorts({});
    ExpectMessage("Kommunikationsfehler.\r\nGerät konnte nicht gefunden werden.\r\n"
                  "COM1 bis COM16: Schnittstelle nicht vorhanden.",
                  MsgIcon::Critical, kWriteTitle);
    EXPECT_FALSE(app->Download());
    EXPECT_EQ(0, app->PortNr());
    EXPECT_EQ("", app->FirmwareID());
}

// The one test that waits for real time-outs: two silent ports cost 2 s each.
TEST_F(DeviceTransferTest, SearchFindsTheDeviceBehindSilentPorts) {
    PseudoTerminal silent1, silent2;
    MapPorts({{1, silent1.SlavePath()}, {2, silent2.SlavePath()}, {3, sim.SlavePath()}});
    EXPECT_EQ(3, app->Connect());
    EXPECT_EQ(3, app->PortNr());
    EXPECT_NE(std::string::npos, app->FirmwareID().find("NIVOLANTIS"));
    cSerCom other;
    other.setPortPath(1, silent1.SlavePath());
    other.setPortPath(2, silent2.SlavePath());
    EXPECT_EQ("Anschluß vorhanden.", other.GetStatus(1)) << "silent ports are closed again";
    EXPECT_EQ("Anschluß vorhanden.", other.GetStatus(2));
    EXPECT_EQ("Schnittstelle bereits geöffnet.", app->SerCom().GetStatus(3));
}

TEST_F(DeviceTransferTest, ValuesReadUnderAReversedScalingStayAsTheDeviceHoldsThem) {
    Poke(187, {0x10, 0x27, 0, 0, 0, 0, 0, 0}); // scaling 1 to 0, × 10000
    Poke(58, {0xC4, 0x09, 0, 0});              // Y5 0.25
    Poke(207, {0x4C, 0x1D, 0, 0});             // upper limit value A 0.75
    ExpectMessage("Gerät lesen beendet.", MsgIcon::Information);
    ASSERT_TRUE(app->Upload());
    EXPECT_EQ(0.25f, P("Linearisierung", "Y5").Value());
    EXPECT_EQ(0.75f, R("Grenzwerte", "Grenzwert1").GetRangeEnd());
    EXPECT_EQ(1.0f, P("Linearisierung", "Y5").LowerLimit()) << "the limits follow the scaling";
}

/// Requests the cancel once the device was asked for `after` EEPROM bytes.
struct CancellingPump : EventPump {
    CancellingPump(cNivolantis& app, K417Simulator& sim, int after)
        : app(app), sim(sim), after(after) {}
    void ProcessEvents() override {
        if (sim.CommandCount('c') >= after)
            app.UserCancel().Request();
    }
    cNivolantis& app;
    K417Simulator& sim;
    int after;
};

TEST_F(DeviceTransferTest, ACancelledReadLeavesTheModelAsItWas) {
    Poke(196, {2});           // two decimal places
    Poke(182, {9});           // Filter
    Poke(207, {50, 0, 0, 0}); // upper limit value A 0.5 × 100
    const auto before = DeviceValues();
    const float factor = P("Linearisierung", "Y3").Factor();
    ASSERT_NE(factor, 100.0f) << "the device's two decimal places differ from the model's";

    Platform::Install(std::make_unique<CancellingPump>(*app, sim, 30));
    app->UserCancel().Clear();
    ExpectMessage("Gerät lesen abgebrochen.", MsgIcon::Information, kReadTitle);
    EXPECT_FALSE(app->Upload());
    VerifyMessages();
    EXPECT_LT(sim.CommandCount('c'), 40) << "stopped at the next exchange";
    EXPECT_EQ(before, DeviceValues()) << "no value read reached the model";
    EXPECT_EQ(factor, P("Linearisierung", "Y3").Factor());
    EXPECT_TRUE(P("Eingang", "Filter").EnableTestData());
    EXPECT_TRUE(app->EnableNotify());
    EXPECT_EQ(7, app->HardwareVariante());
    EXPECT_EQ(0, Progress().back());
    EXPECT_EQ("main:Update", log.back());
    const std::string received = sim.Received();
    EXPECT_EQ(std::string("B\xFF", 2), received.substr(received.size() - 2))
        << "the read series is closed";

    // Cancelled during the search: no device is asked for anything.
    MapPorts({{3, sim.SlavePath()}});
    sim.ClearReceived();
    app->UserCancel().Clear();
    Platform::Install(std::make_unique<CancellingPump>(*app, sim, 0));
    ExpectMessage("Gerät lesen abgebrochen.", MsgIcon::Information, kReadTitle);
    EXPECT_FALSE(app->Upload());
    VerifyMessages();
    EXPECT_EQ("", sim.Received());
    EXPECT_EQ(before, DeviceValues());

    // A write does not stop on the request: a half-written device is worse than a wait.
    MapPorts({{1, sim.SlavePath()}});
    ExpectMessage("Gerät schreiben beendet.", MsgIcon::Information);
    EXPECT_TRUE(app->Download());
}
