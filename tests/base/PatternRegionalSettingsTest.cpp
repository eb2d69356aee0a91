#include "base/PatternRegionalSettings.h"

#include <gtest/gtest.h>

TEST(PatternRegionalSettingsTest, PicturesWriteAndReadDateAndTime) {
    constexpr DateTime kAfternoon{2026, 12, 6, 14, 5, 9};
    const PatternRegionalSettings german(",", "dd.MM.yyyy", "HH:mm:ss");
    const PatternRegionalSettings us(".", "M/d/yyyy", "h:mm:ss tt");
    const PatternRegionalSettings quoted(".", "yy'年'M'月'd'日'", "H'h'mm");
    EXPECT_EQ("06.12.2026 14:05:09", german.FormatDateTime(kAfternoon));
    EXPECT_EQ("12/6/2026 2:05:09 PM", us.FormatDateTime(kAfternoon));
    EXPECT_EQ("1/2/2027 12:00:00 AM", us.FormatDateTime({2027, 1, 2, 0, 0, 0}));
    EXPECT_EQ("2026年12月6日 14h05", quoted.FormatDateTime(kAfternoon)) << "years in four digits";

    EXPECT_EQ((DateTime{2026, 12, 6, 14, 5, 0}), german.ParseDateTime(" 6.12.2026  14:05 "));
    EXPECT_EQ((DateTime{2026, 12, 6, 0, 0, 0}), german.ParseDateTime("06.12.2026"));
    EXPECT_EQ(kAfternoon, us.ParseDateTime("12/6/2026 2:05:09 PM"));
    EXPECT_EQ((DateTime{2026, 12, 6, 0, 30, 0}), us.ParseDateTime("12/6/2026 12:30 AM"));
    EXPECT_EQ((DateTime{2026, 12, 6, 14, 5, 0}), quoted.ParseDateTime("26年12月6日 14h05"));
    for (const char* bad : {"", "31.02.2026", "06.12.2026 24:00", "06.12.2026x", "12/6/2026",
                            "06.12.2026 14", "06.12.2026 14:05:09:01"})
        EXPECT_FALSE(german.ParseDateTime(bad).has_value()) << bad;
    EXPECT_FALSE(us.ParseDateTime("12/6/2026 13:30 PM").has_value());
}
