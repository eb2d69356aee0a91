#include "firmware/cHexRecord.h"
#include "support/CoreTest.h"

#include <stdexcept>

class HexRecordTest : public CoreTest {
protected:
    bool Refused(const std::string& line, const std::string& reason) {
        ExpectMessage("Fehler in Funktion 'InitByString()'. \r\n" + reason, MsgIcon::Critical);
        return !m_record.InitByString(line);
    }

    cHexRecord m_record;
};

TEST_F(HexRecordTest, ReadsEitherCaseAndHighOffsetsAndChecksTheChecksum) {
    ASSERT_TRUE(m_record.InitByString(":0280000012abc1"));
    EXPECT_EQ(":0280000012ABC1", m_record.RecordStr());
    ASSERT_TRUE(m_record.InitByString(":02FFFF000506F5"));
    EXPECT_EQ(":02FFFF000506F5", m_record.RecordStr());

    EXPECT_FALSE(m_record.InitByString(":0400000001020304F3"));
    EXPECT_EQ(0xF3, m_record.CheckSum()) << "a wrong checksum keeps the fields as read";
    EXPECT_EQ(0xF2, m_record.SetCheckSum());
    ASSERT_TRUE(m_record.InitByString(":00000001FF"));
    EXPECT_EQ(cHexRecord::kEndOfFile, m_record.RecordTyp());
}

TEST_F(HexRecordTest, UnreadableLinesShowOneMessageAndLeaveTheRecord) {
    ASSERT_TRUE(m_record.InitByString(":0400000001020304F2"));
    EXPECT_TRUE(Refused("", "Die Zeile ist leer."));
    EXPECT_TRUE(
        Refused(":10000000FF", "Die Zeile ist zu kurz: 43 Zeichen erwartet, 11 vorhanden."));
    EXPECT_TRUE(Refused(":00000001", "Die Zeile ist zu kurz: 11 Zeichen erwartet, 9 vorhanden."));
    EXPECT_TRUE(Refused(":0400000001020G04F2",
                        "Das Zeichen 'G' an Position 15 ist keine Hexadezimalziffer."));
    EXPECT_TRUE(Refused(":0400000001020304F ",
                        "Das Zeichen ' ' an Position 19 ist keine Hexadezimalziffer."));
    EXPECT_TRUE(Refused(":0400000001020304F200",
                        "Die Zeile ist zu lang: 19 Zeichen erwartet, 21 vorhanden."));
    EXPECT_TRUE(Refused(":04000000010203040F2",
                        "Die Zeile enthält eine ungerade Anzahl Hexadezimalziffern (19)."));
    EXPECT_TRUE(Refused(std::string(":0400000001020304\0\0F2", 21),
                        "Die Zeile enthält ein Nullbyte an Position 18."));
    EXPECT_TRUE(Refused(":04000000010203\x04"
                        "F2",
                        "Das Zeichen mit dem Code 04 (hex) an Position 16 ist keine "
                        "Hexadezimalziffer."));
    EXPECT_FALSE(m_record.InitByString("0400000001020304F2")) << "no mark: refused silently";
    EXPECT_EQ(":0400000001020304F2", m_record.RecordStr());
}

TEST_F(HexRecordTest, ParseNamesWhatIsWrongWithoutAMessage) {
    EXPECT_EQ("", m_record.Parse(":0400000001020304F2"));
    EXPECT_EQ("Die Prüfsumme ist falsch: F3 gelesen, F2 berechnet.",
              m_record.Parse(":0400000001020304F3"));
    EXPECT_EQ("Die Zeile beginnt nicht mit ':'.", m_record.Parse(" :0400000001020304F2"));
    EXPECT_EQ("Die Zeile ist leer.", m_record.Parse(""));
}

TEST_F(HexRecordTest, SettersKeepTheChecksumRightUntilItIsSetByHand) {
    m_record.setOffset(0x0100);
    EXPECT_TRUE(m_record.InAdressRange(0x010F));
    EXPECT_FALSE(m_record.InAdressRange(0x0110));
    EXPECT_THROW(m_record.GetRecordData(16), std::out_of_range);
    EXPECT_THROW(m_record.setRecordLength(0), std::invalid_argument);
    m_record.FillRecordData(0xFF);
    m_record.setRecordLength(2);
    EXPECT_EQ(":020100000000FD", m_record.RecordStr()) << "new length: zero data, new checksum";
    m_record.setCheckSum(0x12);
    EXPECT_EQ(":02010000000012", m_record.RecordStr()) << "the stored checksum is written";
}

TEST_F(HexRecordTest, HexStrPadsButNeverCuts) {
    EXPECT_EQ("000A", cHexRecord::HexStr(10, 4));
    EXPECT_EQ("1ABCD", cHexRecord::HexStr(0x1ABCD, 4));
    EXPECT_EQ("0", cHexRecord::HexStr(0, 0));
    EXPECT_EQ("FFFFFFFF", cHexRecord::HexStr(-1, 2));
}
