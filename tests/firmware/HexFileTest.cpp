#include "firmware/cHexFile.h"
#include "support/CoreTest.h"

#include <stdexcept>

namespace {

constexpr char kTwoRecords[] = ":0400000001020304F2\r\n:0400100001020304E2\r\n";
constexpr char kEndOfFile[] = ":00000001FF\r\n";

/// The stored byte, or −1 for an empty cell.
int Cell(const cHexFile& file, std::int32_t adr) {
    std::uint8_t value = 0;
    return file.GetByte(adr, value) ? value : -1;
}

} // namespace

class HexFileTest : public CoreTest {
protected:
    void Fill(std::int32_t from, std::int32_t to) {
        for (std::int32_t a = from; a <= to; ++a) m_file.SetByte(a, static_cast<std::uint8_t>(a));
    }

    cHexFile m_file;
};

TEST_F(HexFileTest, ReadingStopsAtTheFirstBadLineAndKeepsWhatCameBefore) {
    EXPECT_TRUE(m_file.OpenHexText(std::string(kTwoRecords) +
                                   ":0400200001020304D3\r\n:0400300001020304C2\r\n"));
    EXPECT_EQ(2u, m_file.HexRecords().size());
    EXPECT_EQ(4, Cell(m_file, 0x13));
    EXPECT_EQ(-1, Cell(m_file, 0x30)) << "lines after the bad one are not read";

    const std::string emptyLine = "Fehler in Funktion 'InitByString()'. \r\nDie Zeile ist leer.";
    ExpectMessage(emptyLine, MsgIcon::Critical);
    EXPECT_FALSE(m_file.OpenHexText("\r\n" + std::string(kTwoRecords)));
    EXPECT_TRUE(m_file.HexRecords().empty());
    VerifyMessages();

    ExpectMessage(emptyLine, MsgIcon::Critical);
    EXPECT_TRUE(m_file.OpenHexText(std::string(kTwoRecords) + kEndOfFile + "\r\n"));
    EXPECT_EQ(3u, m_file.HexRecords().size());
    EXPECT_EQ(8, m_file.ByteSize()) << "the end-of-file record has no data";
    VerifyMessages();

    EXPECT_TRUE(m_file.OpenHexText(":0400000001020304F2\r:0400100001020304E2\n:00000001FF"));
    EXPECT_EQ(3u, m_file.HexRecords().size()) << "lone CR and lone LF end lines too";
}

TEST_F(HexFileTest, ImageSurvivesOpeningAnotherFile) {
    ASSERT_TRUE(m_file.OpenHexText(kTwoRecords));
    ASSERT_TRUE(m_file.OpenHexText(":0301FF00010203F7\r\n"));
    EXPECT_EQ(1u, m_file.HexRecords().size());
    EXPECT_EQ(1, Cell(m_file, 0x10)) << "bytes of the first file stay";
    EXPECT_EQ(3, Cell(m_file, 0x201));
    EXPECT_FALSE(m_file.OpenHexFile(PathOf("missing.hex")));
    EXPECT_TRUE(m_file.HexRecords().empty());
}

TEST_F(HexFileTest, GetRecordFillsFromTheFirstGapOnAndStaysInTheImage) {
    Fill(0, 99);
    cHexRecord block = m_file.GetRecord(0, 128);
    EXPECT_TRUE(block.Filled);
    EXPECT_EQ(99, block.GetRecordData(99));
    EXPECT_EQ(0xFF, block.GetRecordData(100));
    Fill(100, 127);
    EXPECT_FALSE(m_file.GetRecord(0, 128).Filled);

    Fill(256 + 6, 256 + 127);
    block = m_file.GetRecord(256, 128);
    EXPECT_TRUE(block.Filled);
    for (std::uint8_t i = 5; i < 128; ++i) EXPECT_EQ(0xFF, block.GetRecordData(i)) << int(i);
    EXPECT_TRUE(m_file.HexRecords().empty()) << "cut records are not added";

    EXPECT_TRUE(m_file.SetByte(cHexFile::kImageEnd, 7));
    EXPECT_FALSE(m_file.SetByte(cHexFile::kImageEnd + 1, 7));
    EXPECT_THROW(Cell(m_file, -1), std::out_of_range);
    EXPECT_THROW(m_file.GetRecord(cHexFile::kImageEnd - 126, 128), std::out_of_range);
    EXPECT_THROW(m_file.GetRecord(0, 0), std::invalid_argument);
}

TEST_F(HexFileTest, RestructuringCoversTheWholeFirmwareArea) {
    Fill(0x7FF0, 0x7FF3);
    ASSERT_TRUE(m_file.ReStructHexData(16, 32768));
    const auto& records = m_file.HexRecords();
    ASSERT_EQ(2048u, records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        ASSERT_EQ(static_cast<std::int32_t>(i * 16), records[i].Offset());
    EXPECT_EQ(":107FF000F0F1F2F3FFFFFFFFFFFFFFFFFFFFFFFF", records.back().RecordStr().substr(0, 41));
    EXPECT_EQ(records.back().SetCheckSum(), records.back().CheckSum());

    EXPECT_FALSE(m_file.ReStructHexData(0, 16));
    EXPECT_FALSE(m_file.ReStructHexData(16, cHexFile::kImageEnd + 2));
    EXPECT_EQ(6400u, m_file.HexRecords().size()) << "records built before the failure stay";
}

TEST_F(HexFileTest, SavedFileReadsBackTheSame) {
    Fill(0, 40);
    ASSERT_TRUE(m_file.ReStructHexData(16, 48));
    ASSERT_TRUE(m_file.SaveHexFile(PathOf("out.hex")));
    std::string saved = ReadBytes(PathOf("out.hex"));
    EXPECT_EQ(3 * 45u, saved.size());
    EXPECT_EQ(":10002000202122232425262728FFFFFFFFFFFFFF93\r\n", saved.substr(2 * 45));

    cHexFile copy;
    ASSERT_TRUE(copy.OpenHexFile(PathOf("out.hex")));
    EXPECT_EQ(saved, copy.HexText());
    EXPECT_EQ(0xFF, Cell(copy, 47)) << "restructured gaps are written as FF";
    EXPECT_FALSE(m_file.SaveHexFile(PathOf("no/such/folder/out.hex")));
    EXPECT_FALSE(m_file.SaveHexFile("/dev/full")) << "a failed write is no success";
}

TEST_F(HexFileTest, ExtendedAddressRecordsPlaceTheirData) {
    ASSERT_TRUE(m_file.OpenHexText(":020000040001F9\n:0400100001020304E2\n"
                                   ":020000021000EC\n:0400100001020304E2\n"
                                   ":020000040000FA\n:0301FF00010203F7\n"));
    EXPECT_EQ(1, Cell(m_file, 0x10010));
    EXPECT_EQ(-1, Cell(m_file, 0x10));
    EXPECT_EQ(3, Cell(m_file, 0x201)) << "linear base 0 again";
    EXPECT_EQ(0x10013, m_file.HighestDataAddress());
    EXPECT_FALSE(m_file.DataOutsideImage());
    EXPECT_EQ(11, m_file.ByteSize());

    ASSERT_TRUE(m_file.OpenHexText(":0100000400FB\n:0400000001020304F2\n"));
    EXPECT_TRUE(m_file.DataOutsideImage()) << "a malformed base leaves the data nowhere";
    EXPECT_EQ(-1, Cell(m_file, 0));

    ASSERT_TRUE(m_file.OpenHexText(":020000040002F8\n:0400100001020304E2\n"));
    EXPECT_TRUE(m_file.DataOutsideImage());
    EXPECT_EQ(0x20013, m_file.HighestDataAddress());

    ASSERT_TRUE(m_file.OpenHexText(std::string(kTwoRecords) + kEndOfFile));
    EXPECT_FALSE(m_file.DataOutsideImage()) << "every file starts at base 0";
    EXPECT_EQ(1, Cell(m_file, 0));
    EXPECT_EQ(0x13, m_file.HighestDataAddress());
}
