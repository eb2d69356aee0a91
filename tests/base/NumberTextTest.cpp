#include "base/NumberText.h"
#include "base/IntegerConversion.h"
#include "base/Platform.h"
#include "support/CoreTest.h"

#include <clocale>
#include <string>

using NumberTextTest = CoreTest;

TEST_F(NumberTextTest, GeneralFormUsesRegionalSeparatorAndSevenDigits) {
    EXPECT_EQ("0", NumberToText(-0.0));
    EXPECT_EQ("0,1", NumberToText(0.1f));
    EXPECT_EQ("11,65217", NumberToText(4 + 16.0 * 11 / 23));
    EXPECT_EQ("1,234568E+07", NumberToText(12345678));
    UseEnglish();
    EXPECT_EQ("1.5", NumberToText(1.5));
}

TEST_F(NumberTextTest, ReadsRegionalAndPointSeparatorsButNoGrouping) {
    EXPECT_EQ(1.5, TextToNumber(" +1.5 "));
    EXPECT_EQ(-0.5, TextToNumber("-,5"));
    EXPECT_EQ(2e-2, TextToNumber("2e-02"));
    for (const char* bad : {"", "abc", ",", "-", "1,2,3", "1.000,5", "1E", "1 5", "0x10", "1E400"})
        EXPECT_FALSE(TextToNumber(bad).has_value()) << bad;
    UseEnglish();
    EXPECT_FALSE(TextToNumber("1,5").has_value()) << "must never read as 15";

    for (bool german : {true, false}) { // files take either separator on every system
        german ? UseGerman() : UseEnglish();
        EXPECT_EQ(1.5e3, FileTextToNumber(german ? "1.5E3" : "1,5E3"));
        for (const char* bad : {",", "1.234,5", "1,234.5"})
            EXPECT_FALSE(FileTextToNumber(bad).has_value()) << bad;
    }
}

TEST_F(NumberTextTest, SingleRangeAndHalfEvenIntegers) {
    EXPECT_FALSE(ToSingle(1e39).has_value());
    EXPECT_EQ(12, ToInt32(12.5));
    EXPECT_EQ(3, ToInt16(2.5000001));
    EXPECT_THROW(ToInt16(32767.5), OverflowError);
    EXPECT_EQ(-32768, ToInt16(-32768.4));
    EXPECT_EQ(32767, ToInt16(32767.4)) << "the largest 16-bit value itself";
}

TEST_F(NumberTextTest, DisplayPatternsRoundHalvesAwayFromZeroAndHundredthsAreCut) {
    EXPECT_EQ("2,68", FormatPattern(2.675f, "#0.00")) << "a single 2.675 is not 2.67499…";
    EXPECT_EQ("-0,50", FormatPattern(-0.5, "#0.00"));
    EXPECT_EQ("0,00", FormatPattern(-0.001, "#0.00")) << "no negative zero";
    EXPECT_EQ("00012", FormatPattern(11.5, "00000")) << "away from zero, not to even";
    EXPECT_EQ("123456,0", FormatPattern(123456, "0000.0")) << "wider numbers are not cut";
    EXPECT_EQ("01,000", FormatPattern(0.9995, "00.000"));

    EXPECT_EQ("-0,01", CutToHundredths(-0.001));
    EXPECT_EQ("0,29", CutToHundredths(0.29f)) << "a single 0.29 is 0.28999999 but means 0.29";
    EXPECT_EQ("19,99", CutToHundredths(19.99999f));
}

#ifdef _WIN32
constexpr char kGermanLocale[] = "German_Germany.1252";
#else
constexpr char kGermanLocale[] = "de_DE.UTF-8";
#endif

/// The window toolkit sets the C library's locale from the environment; number text must not
/// follow it, only the regional settings.
TEST_F(NumberTextTest, TextFollowsTheRegionalSettingsWhateverTheCLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(nullptr, std::setlocale(LC_ALL, kGermanLocale))
        << kGermanLocale << " is not available on this machine";
    EXPECT_EQ("0,9000", FormatPattern(0.9f, "0.0000"));
    EXPECT_EQ("4,69", CutToHundredths(4 + 16.0 / 23));
    EXPECT_EQ(13.75, TextToNumber("13,75"));
    UseEnglish();
    EXPECT_EQ("0.9", NumberToText(0.9f));
    EXPECT_EQ("012.50", FormatPattern(12.5, "000.00"));
    std::setlocale(LC_ALL, previous.c_str());
}
