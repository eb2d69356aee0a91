#include "base/FileContent.h"
#include "support/CoreTest.h"

#include <gmock/gmock.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using ::testing::EndsWith;
namespace fs = std::filesystem;

namespace {

const std::string kNotRegular =
    "Der Name bezeichnet keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe.";
const std::string kOldFileKept = " Die bisherige Datei ist unverändert.";

using FileContentTest = CoreTest;

/// Lets no file grow beyond `bytes` while it lives, as a full disk would.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond fails instead of ending the process
        const rlimit limit{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
    rlimit saved{};
};

} // namespace

TEST_F(FileContentTest, LinksStayAndTheirTargetsGetTheContentWithItsMode) {
    const std::string target = PathOf("ziel.par");
    const std::string link = PathOf("verweis.par");
    WriteBytes(target, "alt");
    fs::permissions(target, fs::perms(0640));
    fs::create_symlink("ziel.par", link); // relative, as links usually are
    ASSERT_EQ("", ReplaceFileContent(link, "neu").Failure());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ("neu", ReadBytes(target));
    EXPECT_EQ(fs::perms(0640), fs::status(target).permissions());

    const std::string second = PathOf("zweiter Name.par");
    fs::create_hard_link(target, second);
    ASSERT_EQ("", ReplaceFileContent(target, "ein längerer Inhalt").Failure());
    ASSERT_EQ("", ReplaceFileContent(target, "kurz").Failure());
    EXPECT_EQ(2u, fs::hard_link_count(target));
    EXPECT_EQ("kurz", ReadBytes(second)) << "written in place, the old tail cut off";

    fs::permissions(target, fs::perms(0444));
    EXPECT_EQ("Die Datei ist schreibgeschützt.", ReplaceFileContent(target, "anders").Failure());
    EXPECT_EQ("kurz", ReadBytes(target));
}

TEST_F(FileContentTest, AnOrdinaryUserGetsWhatTheSystemAllows) {
    if (geteuid() == 0)
        GTEST_SKIP() << "only an ordinary user is bound by the owner's and the folder's rights";
    // Writable by the group, not by its owner: the system refuses the owner.
    const std::string groupOnly = PathOf("gruppe.par");
    WriteBytes(groupOnly, "alt");
    fs::permissions(groupOnly, fs::perms(0464));
    EXPECT_EQ("Zugriff verweigert.", ReplaceFileContent(groupOnly, "neu").Failure());
    EXPECT_EQ("alt", ReadBytes(groupOnly));

    // A folder that takes no new file: the file is overwritten where it is.
    const fs::path folder = Dir() / "fest";
    fs::create_directory(folder);
    const std::string path = (folder / "a.par").string();
    WriteBytes(path, "alt");
    fs::permissions(folder, fs::perms(0555));
    EXPECT_EQ("", ReplaceFileContent(path, "neu").Failure());
    EXPECT_EQ("neu", ReadBytes(path));
    EXPECT_EQ("Zugriff verweigert.",
              ReplaceFileContent((folder / "b.par").string(), "neu").Failure());
    fs::permissions(folder, fs::perms(0755));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(FileContentTest, DevicesPipesAndFoldersAreNeitherReadNorWritten) {
    // Run as the super-user, a rename over /dev/null would replace the system's device.
    fs::create_symlink("/dev/null", PathOf("null"));
    ASSERT_EQ(0, mkfifo(PathOf("pipe").c_str(), 0600));
    auto read = std::async(std::launch::async, [&] { return ReadFileContent(PathOf("pipe")); });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        close(open(PathOf("pipe").c_str(), O_WRONLY | O_NONBLOCK)); // releases the blocked reader
        FAIL() << "reading a pipe blocked";
    }
    EXPECT_EQ(kNotRegular, read.get().Failure());
    EXPECT_EQ(kNotRegular, ReplaceFileContent(PathOf("pipe"), "x").Failure());
    for (const auto& [path, failure] : std::vector<std::pair<std::string, std::string>>{
             {"/dev/null", kNotRegular},
             {PathOf("null"), kNotRegular},
             {Dir().string(), "Der Name bezeichnet einen Ordner."}}) {
        EXPECT_EQ(failure, ReplaceFileContent(path, "x").Failure()) << path;
        EXPECT_EQ(failure, ReadFileContent(path).Failure()) << path;
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_symlink(PathOf("null")));
}

TEST_F(FileContentTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
    const std::string path = PathOf("voll.par"), linked = PathOf("voll-link.par");
    WriteBytes(path, "alt");
    WriteBytes(linked, "alt");
    fs::create_hard_link(linked, PathOf("zweiter Name.par")); // written in place
    const std::string big(64 * 1024, 'x');
    std::string failure, inPlaceFailure;
    {
        FileSizeLimit disk(4096);
        failure = ReplaceFileContent(path, big).Failure();
        inPlaceFailure = ReplaceFileContent(linked, big).Failure();
    }
    EXPECT_THAT(failure, EndsWith(kOldFileKept));
    EXPECT_THAT(inPlaceFailure, EndsWith(kOldFileKept));
    EXPECT_EQ("alt", ReadBytes(path));
    EXPECT_EQ("alt", ReadBytes(linked));
    EXPECT_EQ(3, std::distance(fs::directory_iterator(Dir()), fs::directory_iterator()))
        << "no temporary file is left behind";
}

TEST_F(FileContentTest, ReadingTakesFilesUpTo16MiB) {
    EXPECT_EQ("Pfad oder Datei nicht gefunden.", ReadFileContent(PathOf("fehlt")).Failure());
    const std::string path = PathOf("gross");
    WriteBytes(path, "");
    fs::resize_file(path, 16 * 1024 * 1024);
    const FileResult<std::string> atLimit = ReadFileContent(path);
    ASSERT_TRUE(atLimit.Ok()) << atLimit.Failure();
    EXPECT_EQ(16u * 1024 * 1024, atLimit->size());
    EXPECT_EQ("", FileReadRefusal(path));
    fs::resize_file(path, 16 * 1024 * 1024 + 1);
    EXPECT_EQ("Die Datei ist größer als 16 MiB.", ReadFileContent(path).Failure());
}

TEST_F(FileContentTest, AppendingProgramsTakeTurnsAndTheHeaderComesOnce) {
    const std::string path = PathOf("neu/tiefer/record.csv");
    constexpr int kLines = 300;
    // Two programs at once, as the window and the command line may append to one record.
    pid_t children[2];
    for (int p = 0; p < 2; ++p) {
        children[p] = fork();
        ASSERT_GE(children[p], 0);
        if (children[p] == 0) {
            for (int n = 0; n < kLines; ++n)
                if (!AppendToFile(path, "Kopf\n",
                                  std::to_string(p) + ":" + std::to_string(n) +
                                      std::string(200, 'x') + "\n"))
                    _exit(1);
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::istringstream lines(ReadBytes(path));
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ("Kopf", line);
    int next[2] = {0, 0};
    while (std::getline(lines, line)) {
        const int p = line[0] - '0';
        ASSERT_TRUE(p == 0 || p == 1) << line;
        EXPECT_EQ(std::to_string(p) + ":" + std::to_string(next[p]++) + std::string(200, 'x'),
                  line);
    }
    EXPECT_EQ(kLines, next[0]);
    EXPECT_EQ(kLines, next[1]);

    EXPECT_FALSE(AppendToFile(Dir().string(), "", "x\n")) << "a folder is no record";
}
