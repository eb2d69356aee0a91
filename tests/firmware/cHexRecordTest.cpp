#include "firmware/cHexRecord.h"
#include "support/CoreTest.h"

#include <stdexcept>

using cHexRecordTest = CoreTest;

TEST_F(cHexRecordTest, ReadsEitherCaseAndHighOffsetsAndChecksTheChecksum) {
    cHexRecord record;
    ASSERT_TRUE(record.InitByString(":0280000012abc1"));
    EXPECT_EQ(":0280000012ABC1", record.RecordStr());
    EXPECT_EQ("Die Prüfsumme ist falsch: F3 gelesen, F2 berechnet.",
              record.Parse(":0400000001020304F3"));
    EXPECT_EQ("Die Zeile beginnt nicht mit ':'.", record.Parse(" :0400000001020304F2"));
    EXPECT_EQ("", record.Parse(":00000001FF"));
    EXPECT_EQ(cHexRecord::kEndOfFile, record.RecordTyp()) << "Parse reads the fields too";
}

TEST_F(cHexRecordTest, UnreadableLinesShowOneMessageAndLeaveTheRecord) {
    cHexRecord record;
    ASSERT_TRUE(record.InitByString(":0400000001020304F2"));
    const std::pair<std::string, std::string> refused[] = {
        {"", "Die Zeile ist leer."},
        {":10000000FF", "Die Zeile ist zu kurz: 43 Zeichen erwartet, 11 vorhanden."},
        {":0400000001020G04F2", "Das Zeichen 'G' an Position 15 ist keine Hexadezimalziffer."},
        {":0400000001020304F200", "Die Zeile ist zu lang: 19 Zeichen erwartet, 21 vorhanden."},
        {":04000000010203040F2", "Die Zeile enthält eine ungerade Anzahl Hexadezimalziffern (19)."},
        {std::string(":0400000001020304\0\0F2", 21),
         "Die Zeile enthält ein Nullbyte an Position 18."},
        {":04000000010203\x04"
         "F2",
         "Das Zeichen mit dem Code 04 (hex) an Position 16 ist keine Hexadezimalziffer."},
    };
    for (const auto& [line, reason] : refused) {
        ExpectMessage("Fehler in Funktion 'InitByString()'. \r\n" + reason, MsgIcon::Critical);
        EXPECT_FALSE(record.InitByString(line)) << reason;
    }
    EXPECT_FALSE(record.InitByString("0400000001020304F2")) << "no mark: refused silently";
    EXPECT_EQ(":0400000001020304F2", record.RecordStr());
}

TEST_F(cHexRecordTest, SettersKeepTheChecksumRightUntilItIsSetByHand) {
    cHexRecord record;
    record.setOffset(0x0100);
    EXPECT_TRUE(record.InAdressRange(0x010F));
    EXPECT_FALSE(record.InAdressRange(0x0110));
    EXPECT_THROW(record.setRecordLength(0), std::invalid_argument);
    record.FillRecordData(0xFF);
    record.setRecordLength(2);
    EXPECT_EQ(":020100000000FD", record.RecordStr()) << "new length: zero data, new checksum";
    record.setCheckSum(0x12);
    EXPECT_EQ(":02010000000012", record.RecordStr()) << "the stored checksum is written";
    EXPECT_EQ("1ABCD", cHexRecord::HexStr(0x1ABCD, 4)) << "padded, never cut";
    EXPECT_EQ("000A", cHexRecord::HexStr(10, 4));
}
