#include "app/ConfigurationDiff.h"
#include "support/ModelTest.h"

namespace {

/// The model against a configuration apart from it with the factory settings: the filter 2, the
/// lower switch point A 0.1 bar in ten-thousandths, the relay functions "Arbeitsstrom", the
/// first description line "Beschreibung1".
class ConfigurationDiffTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        UseGerman();
        other = app->SeparateConfiguration();
    }

    /// "PATH: MINE → OTHER", one line per difference.
    std::string Listed(bool onDeviceSteps) const {
        std::string text;
        for (const auto& d : ConfigurationDiff::Compare(app->Config(), *other, onDeviceSteps))
            text += d.path + ": " + d.mine + " → " + d.other + "\n";
        return text;
    }

    std::unique_ptr<Configuration> other;
};

TEST_F(ConfigurationDiffTest, FilesDifferByTextsTheDeviceByStepsRangesBeforeParameters) {
    EXPECT_EQ("", Listed(false));
    EXPECT_EQ("", Listed(true));
    P("Eingang", "Filter").setValue(3.0);
    P("Grenzwerte", "Relaisfunktion A").setValue(1.0);
    R("Grenzwerte", "Grenzwert1").RangeBegin().setValue(0.10004); // the device's step 1000, as 0.1
    app->SetDescription(0, "Tank 4");
    EXPECT_EQ("Eingang/Filter: 3 → 2\n"
              "Grenzwerte/Unterer Grenzwert A: 0,10004 bar → 0,1 bar\n"
              "Grenzwerte/Relaisfunktion A: 1 (Ruhestrom) → 0 (Arbeitsstrom)\n"
              "Gerätebeschreibung/Zeile1: Tank 4 → Beschreibung1\n",
              Listed(false));
    // A device holds no description lines, and only whole steps of each value.
    EXPECT_EQ("Eingang/Filter: 3 → 2\n"
              "Grenzwerte/Relaisfunktion A: 1 (Ruhestrom) → 0 (Arbeitsstrom)\n",
              Listed(true));
    R("Grenzwerte", "Grenzwert1").RangeBegin().setValue(0.10006); // step 1001
    EXPECT_EQ("Eingang/Filter: 3 → 2\n"
              "Grenzwerte/Unterer Grenzwert A: 0,10006 bar → 0,1 bar\n"
              "Grenzwerte/Relaisfunktion A: 1 (Ruhestrom) → 0 (Arbeitsstrom)\n",
              Listed(true));
}

} // namespace
