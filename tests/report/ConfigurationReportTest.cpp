#include "ConfigurationReportTest.h"

#include "base/Platform.h"
#include "report/TextPrinter.h"

#include <gmock/gmock.h>

#include <sstream>

namespace {

using Log = std::vector<std::string>;
using ::testing::Contains;
using ::testing::EndsWith;

} // namespace

TEST_F(ConfigurationReportTest, GroupsThenTheDescriptionTwiceTheSecondFramedThenWhoAndWhen) {
    P("Eingang", "Skalenkomma").setValue(2.0);
    P("Eingang", "Skaleneinheit").setValue(3.0); // allowed, but without a text
    R("Eingang", "Skalierung").RangeEnd().setValue("2,5");
    const Log lines{"Behälter 3", "Halle Nord", "", "Füllstand", "LT-0815"};
    for (int slot = 0; slot < 5; ++slot)
        app->SetDescription(slot, lines[slot]);
    app->setBenutzername("Erika Muster");
    app->setParametrierdatum(DateTime{2025, 3, 1, 8, 30, 0});
    ASSERT_TRUE(Print());
    const Log& log = m_printer->log;
    ASSERT_GT(log.size(), 50u);

    EXPECT_EQ((Log{"begin", "Konfigurationsdaten Nivolantis K417. 01.03.2025 08:30:00 @12", " @12",
                   "Eingang @12", "Messbereich.Anfang : 4 mA @9", "Messbereich.Ende : 20 mA @9",
                   "Sondenstörung.Anfang : 2 mA @9", "Sondenstörung.Ende : 22 mA @9",
                   "Skalierung.Anfang : 0 bar @9", "Skalierung.Ende : 2,5 bar @9",
                   "Skaleneinheit : 3  @9", "Skalenkomma : 2 (000.00) @9", "Filter : 2  @9", " @9",
                   "Ausgang @12"}),
              Log(log.begin(), log.begin() + 15));

    Log copy; // every line at 9 points with its 6-point spacing line, an empty one too
    for (const std::string& text : lines)
        copy.insert(copy.end(), {text + " @9", " @6"});
    // The second copy is followed by the frame, "x=", and the signature's four entries.
    const auto [x0, y0] = m_printer->at[log.size() - copy.size() - 6];
    Log expected{"Gerätebeschreibung @12", " @12"};
    for (const Log& part : {copy, Log{" @6"}, copy})
        expected.insert(expected.end(), part.begin(), part.end());
    expected.insert(expected.end(),
                    {RecordingPrinter::Box(x0 - 50, y0 - 100, x0 + 2300, y0 + 2250),
                     "x=" + std::to_string(x0), " @9", "Parameter erstellt durch: Erika Muster @9",
                     "am: 01.03.2025 08:30:00 @9", "end"});
    EXPECT_EQ(expected, Log(log.end() - expected.size(), log.end()));

    // The text printer writes the same lines without sizes, frame or positions.
    std::ostringstream text;
    Platform::Install(std::make_unique<TextPrinter>(text));
    ASSERT_TRUE(app->PrintAll());
    EXPECT_THAT(text.str(), EndsWith("\nLT-0815\n\n\nParameter erstellt durch: Erika Muster\n"
                                     "am: 01.03.2025 08:30:00\n"));
}

TEST_F(ConfigurationReportTest, FailingModelIsRefusedAndPrinterErrorsReachTheCaller) {
    cRange& limits = R("Grenzwerte", "Grenzwert1");
    limits.RangeBegin().setValue(0.9);
    limits.RangeEnd().setValue(0.1);
    ExpectMessage("Unterer Grenzwert A > Oberer Grenzwert A.\r\nBitte den Anfangs- oder den "
                  "Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    ExpectMessage("Parameter fehlerhaft.\r\nDie Daten können nicht gedruckt werden.",
                  MsgIcon::Information);
    EXPECT_FALSE(Print());
    EXPECT_TRUE(m_printer->log.empty());
    VerifyMessages();

    limits.RangeBegin().setValue(0.1);
    Platform::Install(std::unique_ptr<Printer>()); // takes the printer away
    EXPECT_THAT([&] { app->PrintAll(); }, testing::ThrowsMessage<std::runtime_error>(
                                              testing::StrEq("Kein Drucker eingerichtet.")));
}
