#include "support/ModelTest.h"
#include "support/RecordingView.h"

#include <cmath>

namespace {

using CatalogueTest = ModelTest;

struct ThrowingView : View, ProgressView {
    void Update() override { throw std::runtime_error("kaputt"); }
    void UpdateProgress(int) override { throw std::runtime_error("kaputt"); }
};

} // namespace

TEST_F(CatalogueTest, EveryDeviceByteBelongsToOneParameterAtMost) {
    EXPECT_EQ(253, app->TotalByteCount());
    std::vector<int> owners(512, 0);
    app->ForEachParameter([&](cDataGroup&, cParameter& p) {
        for (int i = 0; i < p.Size(); ++i)
            ++owners.at(p.Adress() + i);
    });
    for (int a = 0; a < 512; ++a)
        EXPECT_LE(owners[a], 1) << "address " << a << " used twice";
    EXPECT_EQ(1, owners[15 + 4]) << "the password takes five bytes";
    EXPECT_EQ(0, owners[7]) << "the variant byte is no parameter";
}

TEST_F(CatalogueTest, UnitListComesFromTheSettingsFileAndABrokenOneStopsConstruction) {
    cNivolantis custom(WriteSettings({"bar", "m", "m³"}));
    EXPECT_EQ(3, custom.MaxUnits());
    cParameter& unit = custom.Data("Eingang").Parameters("Skaleneinheit");
    EXPECT_EQ("m³", unit.Description("2"));
    unit.setValue(3.0);
    EXPECT_EQ(3.0f, unit.Value()) << "the upper limit is the unit count itself";
    EXPECT_NO_THROW(cNivolantis(WriteSettings({}))) << "no unit at all is allowed";

    EXPECT_THROW(cNivolantis(PathOf("missing.ini")), std::runtime_error);
    for (const char* count : {"", "drei", "-1", "1001"}) {
        WriteBytes(PathOf("bad.ini"), std::string("[Einheiten]\r\nAnzahl=") + count + "\r\n");
        EXPECT_THROW(cNivolantis(PathOf("bad.ini")), std::runtime_error) << count;
    }
}

TEST_F(CatalogueTest, EachEditNotifiesTheRegisteredViewsInOrderAndAFailingOneIsReportedOnce) {
    ThrowingView broken;
    std::vector<std::string> log;
    RecordingProgressView main("main", log);
    RecordingView options("options", log);
    ViewRegistration kept;
    {
        const auto first = app->AddView(main);
        const auto second = app->AddView(broken);
        kept = app->AddView(options);
        ExpectMessage("Die Anzeige konnte nicht aktualisiert werden:\r\nkaputt",
                      MsgIcon::Exclamation);
        ExpectMessage("Filter '300' ausserhalb 0..255", MsgIcon::Information, "Eingabefehler");
        P("Eingang", "Filter").setValue(7.0);
        P("Eingang", "Filter").setValue(300.0); // a refused entry refreshes too
        app->NotifyProgress(50);
        VerifyMessages();
        EXPECT_EQ(7.0f, P("Eingang", "Filter").Value())
            << "a failing view turns no entry into an error";
    }
    const ViewRegistration moved = std::move(kept); // a moved registration keeps the view
    P("Eingang", "Filter").setValue(8.0);
    app->setEnableNotify(false); // a file or device transfer edits with notification off
    app->Data("Ausgang").Ranges("Stellbereich").SetRangeEnd(19.0);
    app->Notify();
    app->setEnableNotify(true);
    EXPECT_EQ((std::vector<std::string>{"main:Update", "options:Update", "main:Update",
                                        "options:Update", "main:Progress 50", "options:Update"}),
              log);
    app.reset(); // the registration outlives the application object and then ends harmlessly
}

TEST_F(CatalogueTest, WholeModelCheckNamesEveryReversedRangeThenEveryFailingValueInOneBox) {
    EXPECT_FALSE(app->TestData());
    app->setEnableTestData(false); // as after loading a file or reading a device
    R("Eingang", "Sondenstörung").SetRangeEnd(1.0);
    R("Eingang", "Skalierung").SetRangeEnd(50.0);
    P("Eingang", "Filter").setValue(300.0);
    R("Grenzwerte", "Grenzwert2").SetRangeBegin(0.95);
    P("Linearisierung", "Stützpunkte").setValue(100000.0);
    // The request to correct a begin or an end follows the ranges; the values have neither.
    ExpectMessage("Sondenstörung.Anfang > Sondenstörung.Ende.\r\n"
                  "Unterer Grenzwert B > Oberer Grenzwert B.\r\n"
                  "Bitte den Anfangs- oder den Endwert korrigieren.\r\n"
                  "Skalierung.Ende '50' ausserhalb -9,9999..9,9999\r\n"
                  "Filter '300' ausserhalb 0..255\r\n"
                  "Stützpunkte '100000' ausserhalb 3..24",
                  MsgIcon::Critical, "Eingabe- und Bereichsfehler");
    EXPECT_TRUE(app->TestData());
    VerifyMessages();
    EXPECT_TRUE(P("Linearisierung", "X1").EnableTestData());
    EXPECT_EQ((std::vector<std::string>{"Skalierung.Ende", "Filter", "Stützpunkte"}),
              app->Config().ParametersOutsideLimits());
}

TEST_F(CatalogueTest, EachApplicationObjectKeepsThePortsOfItsSettingsFile) {
    const PortDiscovery none(PathOf("ohne-schnittstellen")); // the other ports lead nowhere
    const std::string first = WriteSettings();
    WriteBytes(first, ReadBytes(first) + "[Schnittstellen]\r\nCOM3=/dev/ttyUSB0\r\n");
    cNivolantis mapped(first);
    mapped.Ports().setPortDiscovery(none);

    const std::string second = PathOf("zweite.ini");
    WriteBytes(second, ReadBytes(WriteSettings()) + "[Schnittstellen]\r\nCOM1=/dev/pts/7\r\n");
    cNivolantis other(second);
    other.Ports().setPortDiscovery(none);
    EXPECT_EQ("/dev/pts/7", other.Ports().PortPath(1));
    EXPECT_EQ("", other.Ports().PortPath(3));
    EXPECT_EQ("/dev/ttyUSB0", mapped.Ports().PortPath(3))
        << "building a second object remaps nothing";
    EXPECT_EQ("", mapped.Ports().PortPath(1));
}

// Many defaults (the support points) lie between two of the device's steps: what the device
// gives back after writing them is the nearest step, which is still the default.
TEST_F(CatalogueTest, DefaultsDifferNowhereNotEvenAsTheDeviceKeepsThemButOneStepApartDoes) {
    app->setEnableTestData(false);
    app->ForEachParameter([](cDataGroup&, cParameter& p) {
        EXPECT_FALSE(p.DiffersFromDefault()) << p.ParName() << " is its own default";
        const double kept = std::round(p.DefaultValue() * p.Factor()) / p.Factor();
        p.setValue(kept);
        EXPECT_FALSE(p.DiffersFromDefault()) << p.ParName() << " as the device keeps it";
        p.setValue(kept - 1 / p.Factor());
        EXPECT_TRUE(p.DiffersFromDefault()) << p.ParName() << ": one step below";
    });
}
