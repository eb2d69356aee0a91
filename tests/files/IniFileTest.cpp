#include "files/Cp1252.h"
#include "files/IniDocument.h"
#include "files/cIniFile.h"
#include "support/CoreTest.h"

#include <filesystem>
#include <sys/stat.h>

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
    ExpectMessage("Fehler beim Öffnen der Datei '" + bad + "': Pfad oder Datei nicht gefunden.",
                  MsgIcon::Critical);
    EXPECT_FALSE(ini.OpenIni(bad, true));
    EXPECT_EQ(path, ini.getName()) << "a failed open keeps the previous file";
    EXPECT_FALSE(ini.OpenIni(Dir().string(), false)) << "a folder is no file";
}

TEST_F(IniFileTest, ReadsLikeTheWindowsProfileFunctions) {
    const std::string bytes =
        "; Kommentar\r\n[Eingang]\r\n  Filter =  7 \r\n;Skalenkomma=3\r\nName=\"  quoted  \"\r\n"
        "Einzel='x'\r\nHalb=\"offen\r\nLeer=\r\nPaar=\"\"\r\n[eingang]\r\nFilter=9\n[Zwei]\nFilter="
        "1\n";
    IniDocument doc(bytes);
    EXPECT_EQ("7", doc.Get("EINGANG", "FILTER"));
    EXPECT_FALSE(doc.Get("Eingang", "Skalenkomma").has_value()) << "comment lines are no keys";
    EXPECT_EQ("  quoted  ", doc.Get("Eingang", "Name"));
    EXPECT_EQ("x", doc.Get("Eingang", "Einzel"));
    EXPECT_EQ("\"offen", doc.Get("Eingang", "Halb"));
    EXPECT_EQ("", doc.Get("Eingang", "Leer"));
    EXPECT_EQ(std::optional<std::string>(""), doc.Get("Eingang", "Paar")) << "empty, not missing";
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
    EXPECT_EQ("[A]\r\nX=10\r\ny=2\r\nneu=4\r\n\r\n[B]\r\nz=3\r\nw=zeile1  zeile2\r\n[C]\r\nk=v\r\n",
              doc.Bytes());
}

TEST_F(IniFileTest, FilesAreWindows1252WithCrLfAndLongValuesAreCut) {
    cIniFile ini;
    const std::string path = PathOf("p.par");
    ini.OpenIni(path, true);
    ASSERT_TRUE(ini.setKey("Gerätebeschreibung", "Zeile1", "Füllstand €"));
    ASSERT_TRUE(ini.setKey("Gerätebeschreibung", "Zeile2", "日本"));
    ASSERT_TRUE(ini.setKey("Lang", "Wert", std::string(300, 'x')));
    EXPECT_EQ(
        "[Ger\xE4tebeschreibung]\r\nZeile1=F\xFCllstand \x80\r\nZeile2=??\r\n[Lang]\r\nWert=" +
            std::string(300, 'x') + "\r\n",
        ReadBytes(path));
    EXPECT_EQ("Füllstand €", ini.getKey("GERÄTEBESCHREIBUNG", "zeile1"));
    EXPECT_EQ(std::string(254, 'x'), ini.getKey("Lang", "Wert"));
    for (const auto& entry : std::filesystem::directory_iterator(Dir()))
        EXPECT_EQ(std::string::npos, entry.path().filename().string().find(".tmp"))
            << "no temporary file left";
}

TEST_F(IniFileTest, Cp1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(all, Utf8ToCp1252(Cp1252ToUtf8(all)));
    EXPECT_EQ("a?b", Utf8ToCp1252("a\xFF"
                                  "b"))
        << "invalid UTF-8 becomes ?";
}

TEST_F(IniFileTest, TheFileIsReadOncePerOpenWhileWritesSeeItAsItIsNow) {
    cIniFile ini;
    const std::string path = PathOf("p.par");
    WriteBytes(path, "[A]\r\nx=1\r\n");
    ASSERT_TRUE(ini.OpenIni(path, false));
    EXPECT_EQ("1", ini.getKey("A", "x"));
    WriteBytes(path, "[A]\r\nx=2\r\n[Fremd]\r\nk=v\r\n");
    EXPECT_EQ("1", ini.getKey("A", "x")) << "later keys come from the file as read, not read anew";
    EXPECT_EQ("", ini.getKey("Fremd", "k"));

    ASSERT_TRUE(ini.setKey("A", "y", "3"));
    EXPECT_EQ("[A]\r\nx=2\r\ny=3\r\n[Fremd]\r\nk=v\r\n", ReadBytes(path))
        << "the write keeps others' keys";
    EXPECT_EQ("2", ini.getKey("A", "x"));
    EXPECT_EQ("3", ini.getKey("A", "y"));

    WriteBytes(path, "[A]\r\nx=4\r\n");
    ASSERT_TRUE(ini.OpenIni(path, false));
    EXPECT_EQ("4", ini.getKey("A", "x")) << "opening again reads the file again";
}

TEST_F(IniFileTest, Utf8FilesAreReadAsUtf8AndWrittenBackAsWindows1252) {
    cIniFile ini;
    const std::string path = PathOf("utf8.par");
    for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
        WriteBytes(path, mark + "[Gerätebeschreibung]\r\nZeile1=Füllstand €\r\n");
        ASSERT_TRUE(ini.OpenIni(path, false));
        EXPECT_EQ("Füllstand €", ini.getKey("Gerätebeschreibung", "Zeile1")) << mark.size();
    }
    ASSERT_TRUE(ini.setKey("Gerätebeschreibung", "Zeile2", "Öl"));
    EXPECT_EQ("[Ger\xE4tebeschreibung]\r\nZeile1=F\xFCllstand \x80\r\nZeile2=\xD6l\r\n",
              ReadBytes(path));

    WriteBytes(path, "[Ger\xE4tebeschreibung]\r\nZeile1=\xC3\xA4\xFC\r\n");
    ASSERT_TRUE(ini.OpenIni(path, false));
    EXPECT_EQ("Ã¤ü", ini.getKey("Gerätebeschreibung", "Zeile1"))
        << "not UTF-8 as a whole: Windows-1252";
}

TEST_F(IniFileTest, PipesDevicesAndHugeFilesAreRefusedWithoutBlocking) {
    cIniFile ini;
    const std::string good = PathOf("gut.ini");
    ini.OpenIni(good, true);
    const std::string pipe = PathOf("pipe");
    ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
    const std::string notRegular =
        "Der Name bezeichnet keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe.";
    ExpectMessage("Fehler beim Öffnen der Datei '" + pipe + "': " + notRegular, MsgIcon::Critical);
    EXPECT_FALSE(ini.OpenIni(pipe, true)) << "no blocking open for appending";
    EXPECT_EQ(notRegular, ini.Open("/dev/null", true).Failure()) << "Open shows nothing";
    EXPECT_EQ(good, ini.getName());
    const auto asMissing = ini.Open(pipe, false);
    ASSERT_TRUE(asMissing.Ok());
    EXPECT_EQ(cIniFile::Opened::Missing, *asMissing) << "no file to read, as before";

    const std::string huge = PathOf("gross.par");
    WriteBytes(huge, "[Eingang]\r\nFilter=2\r\n");
    std::filesystem::resize_file(huge, 17 * 1024 * 1024);
    ini.OpenIni(good, false);
    ExpectMessage("Fehler beim Öffnen der Datei '" + huge + "': Die Datei ist größer als 16 MiB.",
                  MsgIcon::Critical);
    EXPECT_FALSE(ini.OpenIni(huge, false));
    EXPECT_EQ(good, ini.getName());
}
