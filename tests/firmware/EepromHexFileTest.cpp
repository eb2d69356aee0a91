#include "firmware/EepromHexFile.h"
#include "support/CoreTest.h"

namespace {

EepromHexFile::Image Counting() {
    EepromHexFile::Image bytes{};
    for (std::size_t a = 0; a < bytes.size(); ++a)
        bytes[a] = static_cast<std::uint8_t>(a < 16 ? a : a * 7);
    return bytes;
}

} // namespace

using EepromHexFileTest = CoreTest;

TEST_F(EepromHexFileTest, ThirtyTwoLinesAndEndOfFileReadBackButMissingOrStrayBytesAreRefused) {
    const std::string text = EepromHexFile::Write(Counting());
    EXPECT_EQ(":10000000000102030405060708090A0B0C0D0E0F78\r\n", text.substr(0, 45));
    EXPECT_EQ(":00000001FF\r\n", text.substr(32 * 45));
    const auto read = EepromHexFile::Read(text);
    ASSERT_TRUE(read.Ok()) << read.Failure();
    EXPECT_EQ(Counting(), *read);

    const std::string missing = "Der Text enthält nicht genau die EEPROM-Adressen 0 bis 1FF.";
    EXPECT_EQ(missing, EepromHexFile::Read(text.substr(0, 45) + text.substr(2 * 45)).Failure())
        << "well-formed, but addresses 10h to 1Fh are missing";
    EXPECT_EQ(missing, EepromHexFile::Read(text.substr(0, 32 * 45) + ":0102000000FD\r\n" +
                                           text.substr(32 * 45))
                           .Failure())
        << "address 512";
}
