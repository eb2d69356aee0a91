#include "firmware/EepromHexFile.h"
#include "support/CoreTest.h"

namespace {

EepromHexFile::Image Counting() {
    EepromHexFile::Image bytes{};
    for (std::size_t a = 0; a < bytes.size(); ++a) bytes[a] = static_cast<std::uint8_t>(a * 7);
    for (std::uint8_t i = 0; i < 16; ++i) bytes[i] = i;
    return bytes;
}

} // namespace

using EepromHexFileTest = CoreTest;

TEST_F(EepromHexFileTest, WritesThirtyTwoLinesAndEndOfFileAndReadsThemBack) {
    const std::string text = EepromHexFile::Write(Counting());
    EXPECT_EQ(":10000000000102030405060708090A0B0C0D0E0F78\r\n", text.substr(0, 45));
    EXPECT_EQ(":1001F000", text.substr(31 * 45, 9));
    EXPECT_EQ(32 * 45 + 13u, text.size());
    EXPECT_EQ(":00000001FF\r\n", text.substr(32 * 45));

    EXPECT_EQ(Counting(), EepromHexFile::Read(text));
}

TEST_F(EepromHexFileTest, RefusesMissingOrStrayBytes) {
    const std::string text = EepromHexFile::Write(Counting());
    EXPECT_FALSE(EepromHexFile::Read(text.substr(0, 45) + text.substr(2 * 45)));
    EXPECT_FALSE(EepromHexFile::Read(text.substr(0, 31 * 45)));
    EXPECT_FALSE(EepromHexFile::Read(text + ":0102000000FD\r\n")) << "address 512";
    EXPECT_FALSE(EepromHexFile::Read(":020000040001F9\r\n" + text)) << "placed at 64 KiB";
    EXPECT_FALSE(EepromHexFile::Read(""));

    ExpectMessage("Fehler in Funktion 'InitByString()'. \r\nDie Zeile ist leer.",
                  MsgIcon::Critical);
    EXPECT_FALSE(EepromHexFile::Read(text.substr(0, 16 * 45) + "\r\n" + text.substr(16 * 45)));
}
