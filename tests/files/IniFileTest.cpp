#include "files/Cp1252.h"
#include "files/IniDocument.h"
#include "files/cIniFile.h"
#include "support/CoreTest.h"

#include <filesystem>

using IniFileTest = CoreTest;

TEST_F(IniFileTest, OpenTellsExistingFromCreatedFromMissing) {
    cIniFile ini;
    const std::string path = PathOf("a.ini");
    EXPECT_FALSE(ini.OpenIni(path, true)) << "a created file still answers false";
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(0u, std::filesystem::file_size(path));
    EXPECT_TRUE(ini.OpenIni(path, false));
    EXPECT_EQ(path, ini.getName());

    EXPECT_FALSE(ini.OpenIni(PathOf("b.ini"), false));
    EXPECT_EQ("", ini.getName());
    EXPECT_FALSE(std::filesystem::exists(PathOf("b.ini")));
    EXPECT_EQ("", ini.getKey("Eingang", "Filter"));
    EXPECT_FALSE(ini.setKey("Eingang", "Filter", "2")) << "no file to write";

    ini.OpenIni(path, false);
    const std::string bad = PathOf("kein/Ordner.ini");
    ExpectMessage("Fehler beim Öffnen der Datei '" + bad + "': Pfad oder Datei nicht gefunden.", MsgIcon::Critical);
    EXPECT_FALSE(ini.OpenIni(bad, true));
    EXPECT_EQ(path, ini.getName()) << "a failed open keeps the previous file";
    EXPECT_FALSE(ini.OpenIni(Dir().string(), false)) << "a folder is no file";
}

TEST_F(IniFileTest, ReadsLikeTheWindowsProfileFunctions) {
    const std::string bytes = "; Kommentar\r\n[Eingang]\r\n  Filter =  7 \r\n;Skalenkomma=3\r\nName=\"  quoted  \"\r\n"
                              "Einzel='x'\r\nHalb=\"offen\r\nLeer=\r\n[eingang]\r\nFilter=9\n[Zwei]\nFilter=1\n";
    IniDocument doc(bytes);
    EXPECT_EQ("7", doc.Get("EINGANG", "FILTER"));
    EXPECT_FALSE(doc.Get("Eingang", "Skalenkomma").has_value()) << "comment lines are no keys";
    EXPECT_EQ("  quoted  ", doc.Get("Eingang", "Name"));
    EXPECT_EQ("x", doc.Get("Eingang", "Einzel"));
    EXPECT_EQ("\"offen", doc.Get("Eingang", "Halb"));
    EXPECT_EQ("", doc.Get("Eingang", "Leer"));
    EXPECT_EQ("1", doc.Get("zwei", "filter")) << "LF-only lines read as well";
    EXPECT_FALSE(doc.Get("Drei", "Filter").has_value());

    // Windows-1252 letters match without regard to case as well.
    IniDocument umlauts(Utf8ToCp1252("[Gerätebeschreibung]\r\nZeile1=Füllstand\r\n"));
    EXPECT_EQ(Utf8ToCp1252("Füllstand"), umlauts.Get(Utf8ToCp1252("GERÄTEBESCHREIBUNG"), "zeile1"));
}

TEST_F(IniFileTest, WritesInPlaceAtSectionEndOrAsNewSection) {
    IniDocument doc("[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
    doc.Set("a", "X", "10");
    doc.Set("A", "neu", "4");
    doc.Set("C", "k", "v");
    doc.Set("B", "w", "zeile1\r\nzeile2");
    EXPECT_EQ("[A]\r\nX=10\r\ny=2\r\nneu=4\r\n\r\n[B]\r\nz=3\r\nw=zeile1  zeile2\r\n[C]\r\nk=v\r\n", doc.Bytes());
}

TEST_F(IniFileTest, FilesAreWindows1252WithCrLfAndLongValuesAreCut) {
    cIniFile ini;
    const std::string path = PathOf("p.par");
    ini.OpenIni(path, true);
    ASSERT_TRUE(ini.setKey("Gerätebeschreibung", "Zeile1", "Füllstand €"));
    ASSERT_TRUE(ini.setKey("Gerätebeschreibung", "Zeile2", "日本"));
    ASSERT_TRUE(ini.setKey("Lang", "Wert", std::string(300, 'x')));
    EXPECT_EQ("[Ger\xE4tebeschreibung]\r\nZeile1=F\xFCllstand \x80\r\nZeile2=??\r\n[Lang]\r\nWert=" + std::string(300, 'x') + "\r\n",
              ReadBytes(path));
    EXPECT_EQ("Füllstand €", ini.getKey("GERÄTEBESCHREIBUNG", "zeile1"));
    EXPECT_EQ(std::string(254, 'x'), ini.getKey("Lang", "Wert"));
    for (const auto& entry : std::filesystem::directory_iterator(Dir()))
        EXPECT_EQ(std::string::npos, entry.path().filename().string().find(".tmp")) << "no temporary file left";
}

TEST_F(IniFileTest, Cp1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(all, Utf8ToCp1252(Cp1252ToUtf8(all)));
    EXPECT_EQ("a?b", Utf8ToCp1252("a\xFF" "b")) << "invalid UTF-8 becomes ?";
}
