#include "base/IntegerConversion.h"
#include "base/NumberText.h"
#include "base/Platform.h"
#include "support/CoreTest.h"

using NumberTextTest = CoreTest;

TEST_F(NumberTextTest, GeneralFormUsesRegionalSeparatorAndSevenDigits) {
    EXPECT_EQ("1,5", NumberToText(1.5));
    EXPECT_EQ("0", NumberToText(-0.0));
    EXPECT_EQ("9,9999", NumberToText(9.9999f));
    EXPECT_EQ("0,1", NumberToText(0.1f));
    EXPECT_EQ("11,65217", NumberToText(4 + 16.0 * 11 / 23));
    EXPECT_EQ("-99999", NumberToText(-99999));
    EXPECT_EQ("0,0001", NumberToText(0.0001));
    EXPECT_EQ("1E-05", NumberToText(0.00001));
    EXPECT_EQ("9999999", NumberToText(9999999));
    EXPECT_EQ("1,234568E+07", NumberToText(12345678));
    UseEnglish();
    EXPECT_EQ("1.5", NumberToText(1.5));
}

TEST_F(NumberTextTest, ReadsRegionalAndPointSeparatorsButNoGrouping) {
    EXPECT_EQ(1.5, TextToNumber("1,5"));
    EXPECT_EQ(1.5, TextToNumber(" +1.5 "));
    EXPECT_EQ(-0.5, TextToNumber("-,5"));
    EXPECT_EQ(3.0, TextToNumber("3,"));
    EXPECT_EQ(1.5e3, TextToNumber("1,5E3"));
    EXPECT_EQ(2e-2, TextToNumber("2e-02"));
    for (const char* bad : {"", " ", "abc", ",", "1,2,3", "1.000,5", "1E", "1 5", "--1", "0x10"})
        EXPECT_FALSE(TextToNumber(bad).has_value()) << bad;
    EXPECT_FALSE(TextToNumber("1E400").has_value());

    UseEnglish();
    EXPECT_EQ(1.5, TextToNumber("1.5"));
    EXPECT_FALSE(TextToNumber("1,5").has_value()) << "must never read as 15";
}

TEST_F(NumberTextTest, FileTextTakesEitherSeparatorOnEverySystem) {
    for (bool german : {true, false}) {
        german ? UseGerman() : UseEnglish();
        EXPECT_EQ(1.5, FileTextToNumber("1,5"));
        EXPECT_EQ(-250.25, FileTextToNumber("-250.25"));
        EXPECT_EQ(1.5e3, FileTextToNumber(" 1,5E3 "));
        for (const char* bad : {"", ",", "1,2,3", "1.234,5", "1,234.5", "1 234"})
            EXPECT_FALSE(FileTextToNumber(bad).has_value()) << bad;
    }
}

TEST_F(NumberTextTest, SingleRangeAndHalfEvenIntegers) {
    EXPECT_FALSE(ToSingle(1e39).has_value());
    EXPECT_EQ(3.4e38f, ToSingle(3.4e38));
    EXPECT_EQ(12, ToInt32(12.5));
    EXPECT_EQ(14, ToInt32(13.5));
    EXPECT_EQ(-2, ToInt32(-2.5));
    EXPECT_EQ(3, ToInt16(2.5000001));
    EXPECT_THROW(ToInt16(32767.5), OverflowError);
    EXPECT_THROW(ToInt32(3e9), OverflowError);
    EXPECT_EQ(-32768, ToInt16(-32768.4));
}
