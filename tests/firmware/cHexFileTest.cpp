#include "firmware/cHexFile.h"
#include "support/CoreTest.h"

namespace {

constexpr char kTwoRecords[] = ":0400000001020304F2\r\n:0400100001020304E2\r\n";

/// The stored byte, or −1 for an empty cell.
int Cell(const cHexFile& file, std::int32_t adr) {
    std::uint8_t value = 0;
    return file.GetByte(adr, value) ? value : -1;
}

} // namespace

using cHexFileTest = CoreTest;

// What is wrong with a record is the record's to say; the file names the line.
TEST_F(cHexFileTest, OneBadLineRefusesTheWholeFileAndNamesTheLine) {
    cHexFile file;
    const std::pair<std::string, std::string> bad[] = {
        {std::string(kTwoRecords) + ":0400200001020304D3\r\n:00000001FF\r\n",
         "Zeile 3: Die Prüfsumme ist falsch: D3 gelesen, D2 berechnet."},
        {"\r\n" + std::string(kTwoRecords), "Zeile 1: Die Zeile ist leer."},
        {std::string(kTwoRecords) + "\n\n:00000001FF\n", "Zeile 3: Die Zeile ist leer."},
        {std::string(kTwoRecords) + ":00000001FF\r\n:0400200001020304D3\r\n",
         "Zeile 4: Nach dem Dateiende-Datensatz folgen weitere Zeilen."},
    };
    for (const auto& [text, fault] : bad) {
        EXPECT_FALSE(file.OpenHexText(text)) << fault;
        EXPECT_EQ(fault, file.Fault());
    }
    EXPECT_TRUE(file.HexRecords().empty());
    EXPECT_EQ(-1, Cell(file, 0)) << "not even the good lines reach the image";

    EXPECT_TRUE(file.OpenHexText(std::string(kTwoRecords) + ":00000001FF\r\n\r\n\n"));
    EXPECT_EQ("", file.Fault()) << "blank lines after the end are harmless";
    EXPECT_TRUE(file.OpenHexText(":0400000001020304F2\r:0400100001020304E2\n:00000001FF"));
    EXPECT_EQ(3u, file.HexRecords().size()) << "lone CR and lone LF end lines too";
}

TEST_F(cHexFileTest, GetRecordFillsFromTheFirstGapOn) {
    cHexFile file;
    for (std::int32_t a = 0; a < 128; ++a)
        if (a != 100)
            file.SetByte(a, static_cast<std::uint8_t>(a));
    cHexRecord block = file.GetRecord(0, 128);
    EXPECT_TRUE(block.Filled);
    EXPECT_EQ(99, block.GetRecordData(99));
    EXPECT_EQ(0xFF, block.GetRecordData(101)) << "bytes after the gap are not taken";
    file.SetByte(100, 100);
    block = file.GetRecord(0, 128);
    EXPECT_FALSE(block.Filled);
    EXPECT_EQ(127, block.GetRecordData(127));

    EXPECT_TRUE(file.SetByte(cHexFile::kImageEnd, 7));
    EXPECT_FALSE(file.SetByte(cHexFile::kImageEnd + 1, 7));
}

TEST_F(cHexFileTest, RestructuredFirmwareAreaIsSavedAsFullRecords) {
    cHexFile file;
    for (std::int32_t a = 0x7FF0; a <= 0x7FF3; ++a)
        file.SetByte(a, static_cast<std::uint8_t>(a));
    ASSERT_TRUE(file.ReStructHexData(16, 32768));
    ASSERT_EQ(2048u, file.HexRecords().size());
    ASSERT_TRUE(file.SaveHexFile(PathOf("out.hex")));
    const std::string saved = ReadBytes(PathOf("out.hex"));
    EXPECT_EQ(":107FF000F0F1F2F3FFFFFFFFFFFFFFFFFFFFFFFFC7\r\n", saved.substr(2047 * 45));

    EXPECT_FALSE(file.ReStructHexData(0, 16));
    EXPECT_FALSE(file.ReStructHexData(16, cHexFile::kImageEnd + 2));
}

TEST_F(cHexFileTest, ExtendedAddressRecordsPlaceTheDataThatFollows) {
    cHexFile file;
    ASSERT_TRUE(file.OpenHexText(":020000040001F9\n:0400100001020304E2\n"
                                 ":020000020100FB\n:0400100001020304E2\n"
                                 ":020000040000FA\n:0301FF00010203F7\n"));
    EXPECT_EQ(1, Cell(file, 0x10010));
    EXPECT_EQ(1, Cell(file, 0x1010)) << "segment base 100h × 16";
    EXPECT_EQ(3, Cell(file, 0x201)) << "linear base 0 again";
    EXPECT_EQ(0x10013, file.HighestDataAddress());
    EXPECT_EQ(11, file.ByteSize()) << "address records hold no data";

    ASSERT_TRUE(file.OpenHexText(":020000040002F8\n:0400100001020304E2\n"));
    EXPECT_TRUE(file.DataOutsideImage()) << "beyond the image";
    ASSERT_TRUE(file.OpenHexText(kTwoRecords));
    EXPECT_FALSE(file.DataOutsideImage()) << "every file starts at base 0";
    EXPECT_EQ(0x13, file.HighestDataAddress());
    EXPECT_EQ(1, Cell(file, 0x10010)) << "the image keeps the bytes of earlier files";
}
