#include "DeviceWindowTest.h"

#include "sim/FactoryImage.h"
#include "ui/service/frmOptionen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {

/// The main window over a device with the factory settings, its fields marked in bold where
/// their value differs from the factory default.
class DefaultMarksTest : public DeviceWindowTest {
protected:
    void SetUp() override {
        DeviceWindowTest::SetUp();
        sim.SetEeprom(FactoryEeprom());
    }

    bool Bold(const QString& field) const { return Find<QWidget>(field)->font().bold(); }

    /// The fields that show in bold, among those the test looks at.
    std::string BoldOnes() const {
        QStringList bold;
        for (const char* field : {"txtInBegin", "txtFilter", "txtSBegin", "txtLL_0", "txtUL_0",
                                  "cmbSUnit", "cmbSComma", "optLinart_0", "optLinart_2"})
            if (Bold(field))
                bold << field;
        return bold.join(' ').toStdString();
    }
};

TEST_F(DefaultMarksTest, ChangedOrReadValuesShowBoldTheirNeighboursNotAndTheDefaultsClearThem) {
    auto image = FactoryEeprom();
    image[182] = 9; // Filter
    sim.SetEeprom(image);
    Open();
    EXPECT_EQ("", BoldOnes()) << "a new model holds the factory settings";

    Enter("txtFilter", "3"); // default 2
    EXPECT_EQ("txtFilter", BoldOnes());
    // The limit is kept in ten-thousandths: 0.10004 is the default 0.1 in the device, 0.10006
    // one step above it.
    Enter("txtLL_0", "0,10004");
    EXPECT_FALSE(Bold("txtLL_0"));
    Enter("txtLL_0", "0,10006");
    EXPECT_TRUE(Bold("txtLL_0"));
    Find<QComboBox>("cmbSUnit")->setCurrentIndex(2);
    Find<QRadioButton>("optLinart_2")->click();
    EXPECT_EQ("txtFilter txtLL_0 cmbSUnit optLinart_2", BoldOnes());

    Enter("txtFilter", "2"); // typed back to the default
    EXPECT_FALSE(Bold("txtFilter"));

    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    Run("Standard");
    VerifyMessages();
    EXPECT_EQ("", BoldOnes());

    RunAnswered("Upload", "Gerät lesen beendet.", MsgIcon::Information);
    EXPECT_EQ("txtFilter", BoldOnes()) << "what the device holds apart from the defaults";
}

TEST_F(DefaultMarksTest, TheOptionSwitchesTheMarksAtOnceAndIsKeptInTheUsersSettings) {
    Open();
    frmOptionen options(*app);
    options.show();
    auto* highlight = options.findChild<QCheckBox*>("chkDefaultMarks");
    ASSERT_NE(nullptr, highlight);
    EXPECT_TRUE(highlight->isChecked()) << "on unless switched off";
    Enter("txtFilter", "3");
    ASSERT_TRUE(Bold("txtFilter"));

    highlight->click();
    EXPECT_FALSE(Bold("txtFilter")) << "off removes every mark";
    EXPECT_NE(std::string::npos,
              ReadBytes(app->SettingsSource().ChoicesFile()).find("AbweichungenHervorheben=0"));
    Enter("txtSBegin", "0,5");
    EXPECT_FALSE(Bold("txtSBegin")) << "and no new one comes";
    EXPECT_FALSE(cNivolantis(app->SettingsSource()).HighlightDefaults())
        << "the next program run starts without marks";

    highlight->click();
    // The new scaling pulled lower limit A up from 0.1 to 0.5 as well.
    EXPECT_EQ("txtFilter txtSBegin txtLL_0", BoldOnes());
    EXPECT_EQ("0,5000", Text("txtLL_0"));
    EXPECT_TRUE(cNivolantis(app->SettingsSource()).HighlightDefaults());
}

} // namespace
