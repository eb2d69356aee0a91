#include "ConfigurationReportTest.h"

#include "support/EnglishTexts.h"

#include <gmock/gmock.h>

namespace {

using Log = std::vector<std::string>;
using ::testing::Contains;

} // namespace

TEST_F(ConfigurationReportTest, InEnglishCaptionsAndChoicesAreTranslatedWhileNumbersKeepTheRegion) {
    P("Eingang", "Skalenkomma").setValue(2.0);
    P("Eingang", "Skaleneinheit").setValue(3.0);
    R("Eingang", "Skalierung").RangeEnd().setValue("2,5");
    P("Grenzwerte", "Relaisfunktion B").setValue(1.0);
    app->setBenutzername("Erika Muster");
    app->setParametrierdatum(DateTime{2025, 3, 1, 8, 30, 0});
    const EnglishTexts english;
    ASSERT_TRUE(Print());
    const Log& log = m_printer->log;
    ASSERT_GT(log.size(), 50u);

    EXPECT_EQ((Log{"begin", "Configuration data Nivolantis K417. 01.03.2025 08:30:00 @12", " @12",
                   "Input @12", "Measuring range start : 4 mA @9", "Measuring range end : 20 mA @9",
                   "Probe fault start : 2 mA @9", "Probe fault end : 22 mA @9",
                   "Scaling start : 0 bar @9", "Scaling end : 2,5 bar @9", "Scale unit : 3  @9",
                   "Decimal places : 2 (000.00) @9", "Filter : 2  @9", " @9", "Output @12"}),
              Log(log.begin(), log.begin() + 15));
    for (const char* line : {"Limits @12", "Relay function A : 0 (Energised on alarm) @9",
                             "Relay function B : 1 (De-energised on alarm) @9",
                             "On fault A : 0 (Relay off) @9", "Device description @12"})
        EXPECT_THAT(log, Contains(line));
    EXPECT_EQ((Log{"Parameters created by: Erika Muster @9", "on: 01.03.2025 08:30:00 @9", "end"}),
              Log(log.end() - 3, log.end()));
}
