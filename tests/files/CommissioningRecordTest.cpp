#include "files/CommissioningRecord.h"
#include "base/Platform.h"
#include "support/CoreTest.h"
#include "support/FastClock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using CommissioningRecordTest = CoreTest;
namespace fs = std::filesystem;

const RecordEntry kEntry{"Konfiguration lesen", "COM1", "/dev/ttyS0", "K417", "7", "", "", true,
                         "Gerät lesen beendet."};

/// What `append` answers when another user runs it: as root in a child process that becomes
/// "nobody", else here (the test's user is then not root, and stands for any user).
std::string AsOrdinaryUser(const std::function<std::string()>& append) {
    if (geteuid() != 0)
        return append();
    int channel[2];
    if (pipe(channel) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        const std::string failure = setuid(65534) == 0 ? append() : "no setuid";
        _exit(write(channel[1], failure.data(), failure.size()) < 0);
    }
    close(channel[1]);
    std::string failure;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        failure.append(buffer, static_cast<std::size_t>(n));
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return failure;
}

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

TEST_F(CommissioningRecordTest, FieldsFromOutsideAreNoFormulaAndNoControlBytes) {
    Platform::Install(std::make_unique<FastClock>());
    const CommissioningRecord record = CommissioningRecord::ForUser(Platform::Program());
    const RecordEntry hostile{"Konfiguration lesen",
                              "@COM1",
                              "/dev/tty\x1B[2J",
                              "=HYPERLINK(\"http://x\")",
                              "+7",
                              "-" + std::string(1100, 'r'), // a field keeps 1024 bytes
                              "",
                              false,
                              "\r\n=1\x07"};
    ASSERT_TRUE(record.Append(hostile, "'Erika"));
    const std::string content = ReadBytes(record.Path());
    EXPECT_EQ("2026-12-06T14:05:09+01:00,techniker,''Erika,NivoConfig,Konfiguration lesen,'@COM1,"
              "/dev/tty\\x1B[2J,\"'=HYPERLINK(\"\"http://x\"\")\",'+7,'-" +
                  std::string(1023, 'r') +
                  "…,"
                  "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855,Fehler,"
                  "\"'\r\n=1\\x07\"\r\n",
              content.substr(content.find("\r\n") + 2));

    // Read back, each field is what it was (escaped and cut bytes aside).
    const std::vector<std::string> fields = CommissioningRecord::Lines(content)[1].fields;
    EXPECT_THAT(fields, ::testing::ElementsAre("2026-12-06T14:05:09+01:00", "techniker", "'Erika",
                                               "NivoConfig", "Konfiguration lesen", "@COM1",
                                               "/dev/tty\\x1B[2J", hostile.device, "+7",
                                               "-" + std::string(1023, 'r') + "…", ::testing::_,
                                               "Fehler", "\r\n=1\\x07"));
}

TEST_F(CommissioningRecordTest, AnAppendGoesWholeIntoTheUsersOwnFileOrNowhere) {
    const CommissioningRecord record = CommissioningRecord::ForUser(Platform::Program());
    const std::string linkRefused =
        "Der Name ist ein symbolischer Link; ihm wird nicht gefolgt, die Datei bleibt unverändert.";
    // A link at the record's name, to a file or to nothing, is neither followed nor replaced.
    fs::create_directories(PathOf("state/NivoConfig"));
    WriteBytes(PathOf("fremd.csv"), "fremd\n");
    fs::create_symlink(PathOf("fremd.csv"), record.Path());
    EXPECT_EQ(linkRefused, record.Append(kEntry, "").Failure());
    fs::remove(record.Path());
    fs::create_symlink(PathOf("neu.csv"), record.Path());
    EXPECT_EQ(linkRefused, record.Append(kEntry, "").Failure());
    EXPECT_EQ("fremd\n", ReadBytes(PathOf("fremd.csv")));
    EXPECT_FALSE(fs::exists(PathOf("neu.csv")));
    fs::remove(record.Path());

    // A full disk, as a file size limit just above the record's size: no part of the line stays.
    ASSERT_TRUE(record.Append(kEntry, ""));
    const auto size = fs::file_size(record.Path());
    rlimit limit{};
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &limit));
    const rlimit small{size + 10, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    const std::string failure = record.Append(kEntry, "").Failure();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_THAT(failure, ::testing::EndsWith(" Die bisherige Datei ist unverändert."));
    EXPECT_EQ(size, fs::file_size(record.Path()));
    ASSERT_TRUE(record.Append(kEntry, ""));
    for (const RecordLine& line : CommissioningRecord::Lines(ReadBytes(record.Path())))
        EXPECT_EQ(13u, line.fields.size()) << line.text;

    // A state folder that takes no new folder says so, and which one.
    fs::create_directories(PathOf("fest"));
    fs::permissions(PathOf("fest"), fs::perms(0555));
    const CommissioningRecord denied(PathOf("fest/NivoConfig/Inbetriebnahme.csv"));
    EXPECT_EQ("Im Ordner '" + PathOf("fest") + "' fehlt das Recht zu schreiben.",
              AsOrdinaryUser([&denied] { return denied.Append(kEntry, "").Failure(); }));

    if (geteuid() != 0)
        GTEST_SKIP() << "Only root can make a record that belongs to another user.";
    // A root run with a user's home appends to no file of that user.
    ASSERT_EQ(0, chown(record.Path().c_str(), 65534, 65534));
    EXPECT_EQ("Die Datei gehört einem anderen Benutzer und wird nicht ergänzt.",
              record.Append(kEntry, "").Failure());
}

} // namespace
