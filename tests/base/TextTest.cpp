#include "base/Text.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(EscapedTextTest, KeepsTextAndEscapesControlAndBrokenBytes) {
    EXPECT_EQ(EscapedText("NIVOLANTIS K417 V2.1"), "NIVOLANTIS K417 V2.1");
    EXPECT_EQ(EscapedText("Gerät über Ölstand, 5 € 🔧"), "Gerät über Ölstand, 5 € 🔧");
    EXPECT_EQ(EscapedText("\x1B[2J\r\n"), "\\x1B[2J\\x0D\\x0A");
    // C1 controls too: they are valid UTF-8, but U+009B starts an escape sequence as ESC [ does.
    EXPECT_EQ(EscapedText("a\0b\x7F\u009B2J\u0085\u00A0"s),
              "a\\x00b\\x7F\\xC2\\x9B2J\\xC2\\x85\u00A0");
    // A lone lead byte, a euro sign whose last byte is a letter, a stray continuation byte, an
    // overlong slash, a surrogate, beyond U+10FFFF.
    EXPECT_EQ(EscapedText("\xC3"
                          "A\xE2\x82"
                          "A"),
              "\\xC3A\\xE2\\x82A");
    EXPECT_EQ(EscapedText("\x80"), "\\x80");
    EXPECT_EQ(EscapedText("\xC0\xAF"), "\\xC0\\xAF");
    EXPECT_EQ(EscapedText("\xED\xA0\x80"), "\\xED\\xA0\\x80");
    EXPECT_EQ(EscapedText("\xF4\x90\x80\x80"), "\\xF4\\x90\\x80\\x80");
}

TEST(EscapedTextTest, QuotesOnlyAShortPrefix) {
    const std::string huge(40 * 1024 * 1024, 'A');
    EXPECT_EQ(EscapedText(huge, 4), "AAAA…");
    EXPECT_EQ(EscapedText("ABCD", 4), "ABCD");
    // A character cut in the middle by the limit shows its first byte escaped.
    EXPECT_EQ(EscapedText("AB\xC3\xA4", 3), "AB\\xC3…");
}
