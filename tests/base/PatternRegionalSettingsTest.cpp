#include "base/PatternRegionalSettings.h"

#include <gtest/gtest.h>

namespace {

constexpr DateTime kAfternoon{2026, 12, 6, 14, 5, 9};

TEST(PatternRegionalSettingsTest, GermanPicturesWriteAndReadDayFirst) {
    const PatternRegionalSettings german(",", "dd.MM.yyyy", "HH:mm:ss");
    EXPECT_EQ(",", german.DecimalSeparator());
    EXPECT_EQ("06.12.2026 14:05:09", german.FormatDateTime(kAfternoon));
    EXPECT_EQ(kAfternoon, german.ParseDateTime("06.12.2026 14:05:09"));
    EXPECT_EQ((DateTime{2026, 12, 6, 14, 5, 0}), german.ParseDateTime(" 6.12.2026  14:05 "));
    EXPECT_EQ((DateTime{2026, 12, 6, 0, 0, 0}), german.ParseDateTime("06.12.2026"));
    for (const char* bad : {"", "31.02.2026", "06.12.2026 24:00", "06.12.2026x", "12/6/2026",
                            "06.12.2026 14", "06.12.2026 14:05:09:01"})
        EXPECT_FALSE(german.ParseDateTime(bad).has_value()) << bad;
}

TEST(PatternRegionalSettingsTest, TwelveHourPicturesMarkTheAfternoon) {
    const PatternRegionalSettings us(".", "M/d/yyyy", "h:mm:ss tt");
    EXPECT_EQ("12/6/2026 2:05:09 PM", us.FormatDateTime(kAfternoon));
    EXPECT_EQ("1/2/2027 12:00:00 AM", us.FormatDateTime({2027, 1, 2, 0, 0, 0}));
    EXPECT_EQ(kAfternoon, us.ParseDateTime("12/6/2026 2:05:09 PM"));
    EXPECT_EQ((DateTime{2026, 12, 6, 0, 30, 0}), us.ParseDateTime("12/6/2026 12:30 AM"));
    EXPECT_EQ((DateTime{2026, 12, 6, 12, 30, 0}), us.ParseDateTime("12/6/2026 12:30 PM"));
    EXPECT_FALSE(us.ParseDateTime("12/6/2026 13:30 PM").has_value());
}

TEST(PatternRegionalSettingsTest, YearsShowFourDigitsAndLiteralsStand) {
    const PatternRegionalSettings shortYear(",", "dd.MM.yy", "HH:mm:ss");
    EXPECT_EQ("06.12.2026 14:05:09", shortYear.FormatDateTime(kAfternoon));
    EXPECT_EQ((DateTime{2026, 12, 6, 0, 0, 0}), shortYear.ParseDateTime("06.12.26"));
    const PatternRegionalSettings quoted(".", "yyyy'年'M'月'd'日'", "H'h'mm");
    EXPECT_EQ("2026年12月6日 14h05", quoted.FormatDateTime(kAfternoon));
    EXPECT_EQ((DateTime{2026, 12, 6, 14, 5, 0}), quoted.ParseDateTime("2026年12月6日 14h05"));
}

} // namespace
