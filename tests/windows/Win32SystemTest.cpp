// The Win32 back ends of the core's files and program path: UTF-8 names inside, wide at the API.

#include "base/FileContent.h"
#include "base/ProgramInfo.h"
#include "support/CoreTest.h"

#include <windows.h>

namespace {

using Win32SystemTest = CoreTest;

TEST_F(Win32SystemTest, UmlautNamesReachTheFileSystemAsTheyAre) {
    // "Süd" in UTF-8; not through std::filesystem, which takes narrow names in another code page.
    const std::string name = Dir().string() + "\\Anlage S\xC3\xBC"
                                              "d.par";
    EXPECT_EQ(PathKind::Missing, KindOfPath(name));
    ASSERT_EQ("", ReplaceFileContent(name, "alt").Failure());
    ASSERT_EQ("", ReplaceFileContent(name, std::string("neu\r\n\0\xFC", 7)).Failure());
    ASSERT_TRUE(ReadFileContent(name).Ok());
    EXPECT_EQ(std::string("neu\r\n\0\xFC", 7), *ReadFileContent(name));
    EXPECT_EQ(PathKind::RegularFile, KindOfPath(name));
    EXPECT_TRUE(std::filesystem::exists(Dir() / L"Anlage S\u00FCd.par")) << "the wide name";
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(Dir()),
                               std::filesystem::directory_iterator()))
        << "no temporary file stays behind";
}

TEST_F(Win32SystemTest, AppendingCreatesFolderAndHeaderOnceAndKeepsWhatWasThere) {
    const std::string name = Dir().string() + "\\neu\\S\xC3\xBC"
                                              "d.csv";
    ASSERT_EQ("", AppendToFile(name, "Kopf\r\n", "eins\r\n").Failure());
    ASSERT_EQ("", AppendToFile(name, "Kopf\r\n", "zwei\r\n").Failure());
    ASSERT_TRUE(ReadFileContent(name).Ok());
    EXPECT_EQ("Kopf\r\neins\r\nzwei\r\n", *ReadFileContent(name));
    EXPECT_FALSE(AppendToFile(Dir().string(), "", "x")) << "a folder is no file";
}

TEST_F(Win32SystemTest, RefusalsSayWhy) {
    EXPECT_EQ("Pfad oder Datei nicht gefunden.", ReadFileContent(PathOf("fehlt.par")).Failure());
    EXPECT_NE("", ReplaceFileContent(PathOf("fehlt\\x.par"), "x").Failure());

    EXPECT_EQ("Der Name bezeichnet einen Ordner.", ReadFileContent(Dir().string()).Failure());
    EXPECT_EQ(PathKind::Other, KindOfPath(Dir().string()));
    EXPECT_EQ("Der Name bezeichnet einen Ordner.",
              ReplaceFileContent(Dir().string(), "x").Failure());

    const std::string locked = PathOf("fest.par");
    ASSERT_EQ("", ReplaceFileContent(locked, "alt").Failure());
    ASSERT_TRUE(SetFileAttributesW((Dir() / "fest.par").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ("Die Datei ist schreibgeschützt.", ReplaceFileContent(locked, "neu").Failure());
    ASSERT_TRUE(ReadFileContent(locked).Ok());
    EXPECT_EQ("alt", *ReadFileContent(locked));
    SetFileAttributesW((Dir() / "fest.par").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32SystemTest, ProgramKnowsItsFolderAndName) {
    const ProgramInfo info = ProgramInfo::OfRunningExecutable();
    EXPECT_EQ("test_win32system", info.name);
    EXPECT_TRUE(info.folder.ends_with("\\tests")) << info.folder;
    EXPECT_EQ(info.folder + "/NivoConfig.ini", info.PathInFolder("NivoConfig.ini"));
}

} // namespace
