#include "GuiTest.h"

#include "base/Platform.h"
#include "platform/QtRegionalSettings.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

#include <cstdlib>
#include <string>

namespace {

/// The main window in the room its user has: the locale comes from the environment as on a
/// desktop, QApplication sets the C library's locale from it, and the window shows numbers with
/// the system's separator. Built once for a German and once for an English desktop.
class RegionalWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Platform::Install(std::make_unique<QtRegionalSettings>());
        m_english = std::string(std::getenv("LC_ALL")).rfind("en_", 0) == 0;
    }

    /// A number text written with a comma, in the form of this test's desktop.
    QString L(QString german) const { return m_english ? german.replace(',', '.') : german; }

    bool m_english = false;
};

TEST_F(RegionalWindowTest, FractionsAreShownAndKeptWithTheDesktopsSeparator) {
    OpenMain();
    EXPECT_EQ(L("0,9000"), Text("txtUL_0"));
    EXPECT_EQ(L("0,1000"), Text("txtLL_0"));

    // Passing through a field commits its text: the value must stay whole.
    Find("txtUL_0")->setFocus();
    Find("txtLL_0")->setFocus();
    Find("txtUL_0")->setFocus();
    EXPECT_EQ(0.9f, R("Grenzwerte", "Grenzwert1").GetRangeEnd());
    EXPECT_EQ(0.1f, R("Grenzwerte", "Grenzwert1").GetRangeBegin());

    Enter("txtInEnd", L("13,75"));
    EXPECT_EQ(13.75f, R("Eingang", "Messbereich").GetRangeEnd());
    EXPECT_EQ(L("13,75"), Text("txtInEnd"));
    Enter("txtInEnd", L("20"));

    // The second support point: 4 + 16 / 23 = 4.6957 mA, cut to hundredths.
    EXPECT_EQ(L("4,69"), Find<QTableWidget>("grdXY")->item(1, 0)->text());

    Find<QComboBox>("cmbSComma")->setCurrentIndex(2);
    Enter("txtSEnd", L("12,5"));
    EXPECT_EQ(12.5f, R("Eingang", "Skalierung").GetRangeEnd());
    EXPECT_EQ(L("012,50"), Text("txtSEnd"));
    EXPECT_EQ(L("000,90"), Text("txtUL_0"));
}

TEST_F(RegionalWindowTest, ClockAndMeasuredValuePlaceholdersFollowTheDesktop) {
    OpenMain("1");
    // Before the first read: a decimal fraction in mA and scaled, a whole converter value.
    EXPECT_EQ(L("1,2345"), Find<QLabel>("lblMesswert_0")->text());
    EXPECT_EQ(L("1,2345"), Find<QLabel>("lblMesswert_1")->text());
    EXPECT_EQ("12345", Find<QLabel>("lblMesswert_2")->text());
    // German desktops count the hours to 24, American ones to 12 with AM or PM.
    const QRegularExpression time(m_english ? "^([1-9]|1[0-2]):[0-5]\\d:[0-5]\\d[ \\x{202F}][AP]M$"
                                            : "^([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d$");
    const QString clock = Find<QLabel>("StatusBar1_Panel4")->text();
    EXPECT_TRUE(time.match(clock).hasMatch()) << clock.toStdString();
}

} // namespace
