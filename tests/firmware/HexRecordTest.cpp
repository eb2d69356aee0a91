#include "firmware/cHexRecord.h"
#include "support/CoreTest.h"

#include <stdexcept>

class HexRecordTest : public CoreTest {
protected:
    void ExpectParseError(const std::string& reason) {
        ExpectMessage("Fehler in Funktion 'InitByString()'. \r\n" + reason, MsgIcon::Critical);
    }
};

TEST_F(HexRecordTest, ReadsFieldsAndChecksTheChecksum) {
    cHexRecord record;
    record.FillRecordData(0);
    ASSERT_TRUE(record.InitByString(":0400000001020304F2"));
    EXPECT_EQ(4, record.RecordLength());
    EXPECT_EQ(0, record.Offset());
    EXPECT_EQ(0, record.RecordTyp());
    for (std::uint8_t i = 0; i < 4; ++i) EXPECT_EQ(i + 1, record.GetRecordData(i));
    EXPECT_FALSE(record.Filled);

    EXPECT_FALSE(record.InitByString(":0400000001020304F3"));
    EXPECT_EQ(0xF3, record.CheckSum()) << "a wrong checksum keeps the fields as read";
    EXPECT_EQ(0xF2, record.SetCheckSum());

    ASSERT_TRUE(record.InitByString(":00000001FF"));
    EXPECT_EQ(0, record.RecordLength());
    EXPECT_EQ(cHexRecord::kEndOfFile, record.RecordTyp());
}

TEST_F(HexRecordTest, LowerCaseAndHighOffsetsComeBackAsTheyWereMeant) {
    cHexRecord record;
    ASSERT_TRUE(record.InitByString(":0280000012abc1"));
    EXPECT_EQ(32768, record.Offset());
    EXPECT_EQ(0xAB, record.GetRecordData(1));
    EXPECT_EQ(":0280000012ABC1", record.RecordStr());
    ASSERT_TRUE(record.InitByString(":02FFFF000506F5"));
    EXPECT_EQ(65535, record.Offset());
    EXPECT_EQ(":02FFFF000506F5", record.RecordStr());
}

TEST_F(HexRecordTest, UnreadableLinesShowOneMessageAndLeaveTheRecord) {
    cHexRecord record;
    ASSERT_TRUE(record.InitByString(":0400000001020304F2"));
    ExpectParseError("Die Zeile ist leer.");
    EXPECT_FALSE(record.InitByString(""));
    ExpectParseError("Die Zeile ist zu kurz: 43 Zeichen erwartet, 11 vorhanden.");
    EXPECT_FALSE(record.InitByString(":10000000FF"));
    ExpectParseError("Die Zeile ist zu kurz: 11 Zeichen erwartet, 9 vorhanden.");
    EXPECT_FALSE(record.InitByString(":00000001"));
    ExpectParseError("Das Zeichen 'G' an Position 15 ist keine Hexadezimalziffer.");
    EXPECT_FALSE(record.InitByString(":0400000001020G04F2"));
    ExpectParseError("Das Zeichen ' ' an Position 19 ist keine Hexadezimalziffer.");
    EXPECT_FALSE(record.InitByString(":0400000001020304F "));
    EXPECT_FALSE(record.InitByString("0400000001020304F2")) << "no mark: refused silently";
    EXPECT_EQ(":0400000001020304F2", record.RecordStr());
}

TEST_F(HexRecordTest, SettersKeepTheChecksumRightUntilItIsSetByHand) {
    cHexRecord record;
    record.setOffset(0x0100);
    record.FillRecordData(0xFF);
    EXPECT_TRUE(record.Filled);
    EXPECT_EQ(":10010000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", record.RecordStr());
    record.SetRecordData(15, 0x00);
    EXPECT_EQ(record.SetCheckSum(), record.CheckSum());
    record.setCheckSum(0x12);
    EXPECT_EQ("12", record.RecordStr().substr(41)) << "the stored checksum is written";

    EXPECT_TRUE(record.InAdressRange(0x010F));
    EXPECT_FALSE(record.InAdressRange(0x0110));
    EXPECT_THROW(record.GetRecordData(16), std::out_of_range);
    EXPECT_THROW(record.setRecordLength(0), std::invalid_argument);
    record.setRecordLength(2);
    EXPECT_EQ(":020100000000FD", record.RecordStr()) << "new length: zero data, new checksum";
}

TEST_F(HexRecordTest, HexStrPadsButNeverCuts) {
    EXPECT_EQ("000A", cHexRecord::HexStr(10, 4));
    EXPECT_EQ("1ABCD", cHexRecord::HexStr(0x1ABCD, 4));
    EXPECT_EQ("0", cHexRecord::HexStr(0, 0));
    EXPECT_EQ("FFFFFFFF", cHexRecord::HexStr(-1, 2));
}
