#include "files/CommissioningRecord.h"
#include "base/Platform.h"
#include "support/CoreTest.h"
#include "support/FastClock.h"

#include <gtest/gtest.h>

namespace {

using CommissioningRecordTest = CoreTest;

TEST_F(CommissioningRecordTest, EachOperationAppendsOneLineThatSpreadsheetsRead) {
    Platform::Install(std::make_unique<FastClock>());
    const CommissioningRecord record = CommissioningRecord::ForUser(Platform::Program());
    EXPECT_EQ(PathOf("state/NivoConfig/Inbetriebnahme.csv"), record.Path());

    RecordEntry written{"Konfiguration schreiben",
                        "COM1",
                        "/dev/ttyUSB0",
                        "K417 V2.3",
                        "2",
                        "Tank 1.par",
                        "abc",
                        true,
                        "Gerät schreiben beendet."};
    ASSERT_TRUE(record.Append(written, "Erika Muster"));
    RecordEntry failed{"Firmware schreiben",
                       "COM2",
                       "/dev/ttyS1",
                       "",
                       "",
                       "k417.hex",
                       "",
                       false,
                       "Keine Antwort, \"Bootloader\" fehlt.\r\nAbgebrochen."};
    ASSERT_TRUE(record.Append(failed, "Erika Muster"));

    EXPECT_EQ(
        "Zeit,Benutzer,Benutzername,Programm,Vorgang,Schnittstelle,Gerätedatei,Gerät,Variante,"
        "Datei,SHA-256,Ergebnis,Meldung\r\n"
        "2026-12-06T14:05:09+01:00,techniker,Erika Muster,NivoConfig,Konfiguration schreiben,"
        "COM1,/dev/ttyUSB0,K417 V2.3,2,Tank 1.par,"
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad,OK,"
        "Gerät schreiben beendet.\r\n"
        "2026-12-06T14:05:09+01:00,techniker,Erika Muster,NivoConfig,Firmware schreiben,COM2,"
        "/dev/ttyS1,,,k417.hex,"
        "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855,Fehler,"
        "\"Keine Antwort, \"\"Bootloader\"\" fehlt.\r\nAbgebrochen.\"\r\n",
        ReadBytes(record.Path()));

    // Read back as spreadsheets split it: the quoted separator, quote and line break stay in
    // their field, and the lines join to the file again.
    const std::vector<RecordLine> lines = CommissioningRecord::Lines(ReadBytes(record.Path()));
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(13u, lines[0].fields.size());
    EXPECT_EQ("K417 V2.3", lines[1].fields[CommissioningRecord::kDeviceField]);
    EXPECT_EQ(13u, lines[2].fields.size());
    EXPECT_EQ(failed.message, lines[2].fields[12]);
    EXPECT_EQ(ReadBytes(record.Path()), lines[0].text + lines[1].text + lines[2].text);

    EXPECT_FALSE(CommissioningRecord("").Append(written, "x")) << "no state folder, no record";
}

} // namespace
