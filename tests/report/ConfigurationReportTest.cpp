#include "RecordingPrinter.h"

#include "app/Platform.h"
#include "app/cNivolantis.h"
#include "report/TextPrinter.h"
#include "support/CoreTest.h"

#include <algorithm>
#include <sstream>

namespace {

using Log = std::vector<std::string>;

class ConfigurationReportTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        m_app = std::make_unique<cNivolantis>(WriteSettings({"bar", "mbar", "m"}));
    }

    /// Prints through the platform printer and keeps what it recorded.
    bool Print() {
        auto printer = std::make_unique<RecordingPrinter>();
        m_printer = printer.get();
        Platform::Install(std::move(printer));
        return m_app->PrintAll();
    }

    /// Index of the n-th (from 1) log entry equal to entry.
    std::size_t Find(const std::string& entry, int n = 1) const {
        const Log& log = m_printer->log;
        auto it = log.begin();
        for (it = std::find(it, log.end(), entry); it != log.end() && --n > 0;)
            it = std::find(it + 1, log.end(), entry);
        EXPECT_NE(log.end(), it) << entry;
        return it - log.begin();
    }
    Log From(const std::string& entry, std::size_t count) const {
        const std::size_t first = std::min(Find(entry), m_printer->log.size());
        const std::size_t last = std::min(first + count, m_printer->log.size());
        return Log(m_printer->log.begin() + first, m_printer->log.begin() + last);
    }

    std::unique_ptr<cNivolantis> m_app;
    RecordingPrinter* m_printer = nullptr;
};

} // namespace

TEST_F(ConfigurationReportTest, GroupsListRangesThenParametersWithTheirChoiceTexts) {
    m_app->Data("Eingang").Parameters("Skalenkomma").setValue(2.0);
    m_app->Data("Eingang").Parameters("Skaleneinheit").setValue(3.0); // allowed, but without a text
    m_app->Data("Eingang").Ranges("Skalierung").RangeEnd().setValue("2,5");
    ASSERT_TRUE(Print());

    EXPECT_EQ((Log{"begin", "Konfigurationsdaten Nivolantis K417. 06.12.2026 14:05:09 @12", " @12",
                   "Eingang @12", "Messbereich.Anfang : 4 mA @9", "Messbereich.Ende : 20 mA @9",
                   "Sondenstörung.Anfang : 2 mA @9", "Sondenstörung.Ende : 22 mA @9",
                   "Skalierung.Anfang : 0 bar @9", "Skalierung.Ende : 2,5 bar @9", "Skaleneinheit : 3  @9",
                   "Skalenkomma : 2 (000.00) @9", "Filter : 2  @9", " @9", "Ausgang @12"}),
              From("begin", 15));
    EXPECT_EQ((Log{"Unterer Grenzwert A : 0,1 bar @9", "Oberer Grenzwert A : 0,9 bar @9"}),
              From("Unterer Grenzwert A : 0,1 bar @9", 2));
    EXPECT_EQ((Log{"Pumpentausch A : 0 (Nein) @9", "Grenzwertfunktion A : 1 (Grenzwert) @9",
                   "Relaisfunktion A : 0 (Arbeitsstrom) @9", "Verzögerung A : 0 s @9"}),
              From("Pumpentausch A : 0 (Nein) @9", 4));
    EXPECT_LT(Find("Grenzwerte @12"), Find("Linearisierung @12"));
    EXPECT_LT(Find("Linearisierung @12"), Find("Sonstiges @12"));
}

TEST_F(ConfigurationReportTest, DescriptionTwiceTheSecondFramedThenWhoAndWhen) {
    const Log slots{"Behälter 3", "Halle Nord", "", "Füllstand", "LT-0815"};
    for (int slot = 0; slot < 5; ++slot)
        m_app->SetDescription(slot, slots[slot]);
    m_app->setBenutzername("Erika Muster");
    m_app->setParametrierdatum(DateTime{2025, 3, 1, 8, 30, 0});
    ASSERT_TRUE(Print());

    Log copy; // every line at 9 points with its 6-point spacing line, an empty one too
    for (const std::string& text : slots)
        copy.insert(copy.end(), {text + " @9", " @6"});
    const std::size_t second = Find("Behälter 3 @9", 2);
    const auto [x0, y0] = m_printer->at[second];
    Log expected{"Gerätebeschreibung @12", " @12"};
    expected.insert(expected.end(), copy.begin(), copy.end());
    expected.push_back(" @6");
    expected.insert(expected.end(), copy.begin(), copy.end());
    expected.insert(expected.end(), {"box " + std::to_string(x0 - 50) + " " + std::to_string(y0 - 100) + " " +
                                         std::to_string(x0 + 2300) + " " + std::to_string(y0 + 2250),
                                     "x=" + std::to_string(x0), " @9", "Parameter erstellt durch: Erika Muster @9",
                                     "am: 01.03.2025 08:30:00 @9", "end"});
    EXPECT_EQ(expected, From("Gerätebeschreibung @12", expected.size()));
    EXPECT_EQ(y0 + 2250, m_printer->at[Find("Parameter erstellt durch: Erika Muster @9") - 1].second)
        << "the text goes on below the frame";
    EXPECT_EQ("Konfigurationsdaten Nivolantis K417. 01.03.2025 08:30:00 @12", m_printer->log.at(1));
}

TEST_F(ConfigurationReportTest, FailingModelIsRefusedAndPrinterErrorsReachTheCaller) {
    cRange& limits = m_app->Data("Grenzwerte").Ranges("Grenzwert1");
    limits.RangeBegin().setValue(0.9);
    limits.RangeEnd().setValue(0.1);
    ExpectMessage("Unterer Grenzwert A > Oberer Grenzwert A.\r\nBitte den Anfangs- oder den Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    ExpectMessage("Parameter fehlerhaft.\r\nDie Daten können nicht gedruckt werden.", MsgIcon::Information);
    EXPECT_FALSE(Print());
    EXPECT_TRUE(m_printer->log.empty());
    VerifyMessages();

    limits.RangeBegin().setValue(0.1);
    Platform::Install(std::unique_ptr<Printer>()); // takes the printer away
    try {
        m_app->PrintAll();
        ADD_FAILURE() << "printed without a printer";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ("Kein Drucker eingerichtet.", e.what());
    }
}

TEST_F(ConfigurationReportTest, TextPrinterWritesEveryPrintedLine) {
    ASSERT_TRUE(Print());
    std::string expected;
    for (const std::string& entry : m_printer->log)
        if (const auto at = entry.rfind(" @"); at != std::string::npos)
            expected += entry.substr(0, at) + "\n";
    std::ostringstream text;
    Platform::Install(std::make_unique<TextPrinter>(text));
    ASSERT_TRUE(m_app->PrintAll());
    EXPECT_EQ(expected, text.str());
}
