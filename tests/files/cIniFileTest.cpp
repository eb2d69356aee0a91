#include "files/cIniFile.h"
#include "files/Cp1252.h"
#include "files/IniDocument.h"
#include "support/CoreTest.h"

#include <filesystem>

using cIniFileTest = CoreTest;

TEST_F(cIniFileTest, OpenTellsExistingFromCreatedFromMissingAndReadsOnce) {
    cIniFile ini;
    const std::string path = PathOf("a.ini");
    EXPECT_FALSE(ini.OpenIni(path, true)) << "a created file still answers false";
    EXPECT_EQ(0u, std::filesystem::file_size(path));
    EXPECT_TRUE(ini.OpenIni(path, false));
    EXPECT_EQ(path, ini.getName());

    EXPECT_FALSE(ini.OpenIni(PathOf("b.ini"), false));
    EXPECT_EQ("", ini.getName());
    EXPECT_FALSE(std::filesystem::exists(PathOf("b.ini")));
    EXPECT_FALSE(ini.setKey("Eingang", "Filter", "2")) << "no file to write";

    // The file is read once per opening, while writes see it as it is now.
    WriteBytes(path, "[A]\r\nx=1\r\n");
    ASSERT_TRUE(ini.OpenIni(path, false));
    EXPECT_EQ("1", ini.getKey("A", "x"));
    WriteBytes(path, "[A]\r\nx=2\r\n[Fremd]\r\nk=v\r\n");
    EXPECT_EQ("1", ini.getKey("A", "x")) << "later keys come from the file as read, not read anew";

    ASSERT_TRUE(ini.setKey("A", "y", "3"));
    EXPECT_EQ("[A]\r\nx=2\r\ny=3\r\n[Fremd]\r\nk=v\r\n", ReadBytes(path))
        << "the write keeps others' keys";
}

TEST_F(cIniFileTest, ReadsLikeTheWindowsProfileFunctions) {
    const std::string bytes =
        "; Kommentar\r\n[Eingang]\r\n  Filter =  7 \r\n;Skalenkomma=3\r\nName=\"  quoted  \"\r\n"
        "Einzel='x'\r\nHalb=\"offen\r\nPaar=\"\"\r\n[eingang]\r\nFilter=9\n[Zwei]\nFilter=1\n";
    IniDocument doc(bytes);
    EXPECT_EQ("7", doc.Get("EINGANG", "FILTER"));
    EXPECT_FALSE(doc.Get("Eingang", "Skalenkomma").has_value()) << "comment lines are no keys";
    EXPECT_EQ("  quoted  ", doc.Get("Eingang", "Name"));
    EXPECT_EQ("x", doc.Get("Eingang", "Einzel"));
    EXPECT_EQ("\"offen", doc.Get("Eingang", "Halb"));
    EXPECT_EQ(std::optional<std::string>(""), doc.Get("Eingang", "Paar")) << "empty, not missing";
    EXPECT_EQ("1", doc.Get("zwei", "filter")) << "LF-only lines read as well";
    EXPECT_FALSE(doc.Get("Drei", "Filter").has_value());
}

TEST_F(cIniFileTest, WritesInPlaceAtSectionEndOrAsNewSection) {
    IniDocument doc("[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
    doc.Set("a", "X", "10");
    doc.Set("A", "neu", "4");
    doc.Set("C", "k", "v");
    doc.Set("B", "w", "zeile1\r\nzeile2");
    EXPECT_EQ("[A]\r\nX=10\r\ny=2\r\nneu=4\r\n\r\n[B]\r\nz=3\r\nw=zeile1  zeile2\r\n[C]\r\nk=v\r\n",
              doc.Bytes());
}

TEST_F(cIniFileTest, FilesAreWindows1252AndLongValuesAreCutButUtf8FilesAreReadAsUtf8) {
    cIniFile ini;
    const std::string path = PathOf("utf8.par");
    for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
        WriteBytes(path, mark + "[Gerätebeschreibung]\r\nZeile1=Füllstand €\r\n");
        ASSERT_TRUE(ini.OpenIni(path, false));
        EXPECT_EQ("Füllstand €", ini.getKey("GERÄTEBESCHREIBUNG", "zeile1")) << mark.size();
    }
    ASSERT_TRUE(ini.setKey("Gerätebeschreibung", "Zeile2", "日本"));
    ASSERT_TRUE(ini.setKey("Lang", "Wert", std::string(300, 'x')));
    EXPECT_EQ(
        "[Ger\xE4tebeschreibung]\r\nZeile1=F\xFCllstand \x80\r\nZeile2=??\r\n[Lang]\r\nWert=" +
            std::string(300, 'x') + "\r\n",
        ReadBytes(path));
    EXPECT_EQ(std::string(254, 'x'), ini.getKey("Lang", "Wert"));

    WriteBytes(path, "[Ger\xE4tebeschreibung]\r\nZeile1=\xC3\xA4\xFC\r\n");
    ASSERT_TRUE(ini.OpenIni(path, false));
    EXPECT_EQ("Ã¤ü", ini.getKey("Gerätebeschreibung", "Zeile1"))
        << "not UTF-8 as a whole: Windows-1252";
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(all, Utf8ToCp1252(Cp1252ToUtf8(all))) << "every byte round-trips";
}
