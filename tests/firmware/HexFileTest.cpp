#include "firmware/cHexFile.h"
#include "support/CoreTest.h"

#include <stdexcept>

namespace {

constexpr char kTwoRecords[] = ":0400000001020304F2\r\n:0400100001020304E2\r\n";
constexpr char kEmptyLine[] = "Fehler in Funktion 'InitByString()'. \r\nDie Zeile ist leer.";

/// The stored byte, or −1 for an empty cell.
int Cell(const cHexFile& file, std::int32_t adr) {
    std::uint8_t value = 0;
    return file.GetByte(adr, value) ? value : -1;
}

} // namespace

class HexFileTest : public CoreTest {
protected:
    void Fill(std::int32_t from, std::int32_t to) {
        for (std::int32_t a = from; a <= to; ++a)
            m_file.SetByte(a, static_cast<std::uint8_t>(a));
    }

    cHexFile m_file;
};

TEST_F(HexFileTest, OneBadLineRefusesTheWholeFileAndNamesTheLine) {
    const std::string third = ":0400200001020304D3\r\n"; // checksum D2 would be right
    EXPECT_FALSE(m_file.OpenHexText(kTwoRecords + third + ":00000001FF\r\n"));
    EXPECT_EQ("Zeile 3: Die Prüfsumme ist falsch: D3 gelesen, D2 berechnet.", m_file.Fault());
    EXPECT_TRUE(m_file.HexRecords().empty());
    EXPECT_EQ(-1, Cell(m_file, 0)) << "not even the good lines reach the image";

    const std::pair<std::string, std::string> bad[] = {
        {"\r\n" + std::string(kTwoRecords), "Zeile 1: Die Zeile ist leer."},
        {std::string(kTwoRecords) + "\n\n:00000001FF\n", "Zeile 3: Die Zeile ist leer."},
        {std::string(kTwoRecords) + "0400200001020304D3\r\n",
         "Zeile 3: Die Zeile beginnt nicht mit ':'."},
        {std::string(kTwoRecords) + ":040020000102030\r\n",
         "Zeile 3: Die Zeile enthält eine ungerade Anzahl Hexadezimalziffern (15)."},
        {":0400000001020304F2\r\n:04001000\r\n",
         "Zeile 2: Die Zeile ist zu kurz: 19 Zeichen erwartet, 9 vorhanden."},
        {std::string(":04000000\0\0\0\0\0\0\0\0F2\r\n", 21),
         "Zeile 1: Die Zeile enthält ein Nullbyte an Position 10."},
        {std::string(kTwoRecords) + ":00000001FF\r\n:0400200001020304D3\r\n",
         "Zeile 4: Nach dem Dateiende-Datensatz folgen weitere Zeilen."},
    };
    for (const auto& [text, fault] : bad) {
        EXPECT_FALSE(m_file.OpenHexText(text)) << fault;
        EXPECT_EQ(fault, m_file.Fault());
    }

    EXPECT_TRUE(m_file.OpenHexText(std::string(kTwoRecords) + ":00000001FF\r\n\r\n\n"));
    EXPECT_EQ(3u, m_file.HexRecords().size()) << "blank lines after the end are harmless";
    EXPECT_EQ("", m_file.Fault());
    EXPECT_TRUE(m_file.OpenHexText(":0400000001020304F2\r:0400100001020304E2\n:00000001FF"));
    EXPECT_EQ(3u, m_file.HexRecords().size()) << "lone CR and lone LF end lines too";
}

TEST_F(HexFileTest, GetRecordFillsFromTheFirstGapOn) {
    Fill(0, 99);
    Fill(101, 127);
    cHexRecord block = m_file.GetRecord(0, 128);
    EXPECT_TRUE(block.Filled);
    EXPECT_EQ(99, block.GetRecordData(99));
    EXPECT_EQ(0xFF, block.GetRecordData(101)) << "bytes after the gap are not taken";
    m_file.SetByte(100, 100);
    block = m_file.GetRecord(0, 128);
    EXPECT_FALSE(block.Filled);
    EXPECT_EQ(127, block.GetRecordData(127));

    EXPECT_TRUE(m_file.SetByte(cHexFile::kImageEnd, 7));
    EXPECT_FALSE(m_file.SetByte(cHexFile::kImageEnd + 1, 7));
    EXPECT_THROW(Cell(m_file, -1), std::out_of_range);
    EXPECT_THROW(m_file.GetRecord(cHexFile::kImageEnd - 126, 128), std::out_of_range);
}

TEST_F(HexFileTest, RestructuredFirmwareAreaIsSavedAndReadsBackTheSame) {
    Fill(0x7FF0, 0x7FF3);
    ASSERT_TRUE(m_file.ReStructHexData(16, 32768));
    ASSERT_EQ(2048u, m_file.HexRecords().size());
    ASSERT_TRUE(m_file.SaveHexFile(PathOf("out.hex")));
    const std::string saved = ReadBytes(PathOf("out.hex"));
    EXPECT_EQ(":107FF000F0F1F2F3FFFFFFFFFFFFFFFFFFFFFFFFC7\r\n", saved.substr(2047 * 45));
    cHexFile copy;
    ASSERT_TRUE(copy.OpenHexFile(PathOf("out.hex")));
    EXPECT_EQ(saved, copy.HexText());
    EXPECT_FALSE(m_file.SaveHexFile("/dev/full")) << "a failed write is no success";

    EXPECT_FALSE(m_file.ReStructHexData(0, 16));
    EXPECT_FALSE(m_file.ReStructHexData(16, cHexFile::kImageEnd + 2));
    EXPECT_EQ(6400u, m_file.HexRecords().size()) << "records built before the failure stay";
}

TEST_F(HexFileTest, ExtendedAddressRecordsPlaceTheDataThatFollows) {
    ASSERT_TRUE(m_file.OpenHexText(":020000040001F9\n:0400100001020304E2\n"
                                   ":020000020100FB\n:0400100001020304E2\n"
                                   ":020000040000FA\n:0301FF00010203F7\n"));
    EXPECT_EQ(1, Cell(m_file, 0x10010));
    EXPECT_EQ(1, Cell(m_file, 0x1010)) << "segment base 100h × 16";
    EXPECT_EQ(3, Cell(m_file, 0x201)) << "linear base 0 again";
    EXPECT_EQ(0x10013, m_file.HighestDataAddress());
    EXPECT_EQ(11, m_file.ByteSize()) << "address records hold no data";

    ASSERT_TRUE(m_file.OpenHexText(":0100000400FB\n:0400000001020304F2\n"));
    EXPECT_TRUE(m_file.DataOutsideImage()) << "a malformed base leaves the data nowhere";
    ASSERT_TRUE(m_file.OpenHexText(":020000040002F8\n:0400100001020304E2\n"));
    EXPECT_TRUE(m_file.DataOutsideImage()) << "beyond the image";

    ASSERT_TRUE(m_file.OpenHexText(kTwoRecords));
    EXPECT_FALSE(m_file.DataOutsideImage()) << "every file starts at base 0";
    EXPECT_EQ(1, Cell(m_file, 0));
    EXPECT_EQ(0x13, m_file.HighestDataAddress());
    EXPECT_EQ(1, Cell(m_file, 0x10010)) << "the image keeps the bytes of earlier files";
}
