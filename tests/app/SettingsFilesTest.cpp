#include "app/SettingsFiles.h"
#include "app/cNivolantis.h"
#include "support/CoreTest.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace {

/// An installed tree under the test's folder: prefix/bin holds the program, prefix/share the
/// defaults, and home/.config the user's own settings.
class SettingsFilesTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        installed = PathOf("prefix/share/nivoconfig/NivoConfig.ini");
        user = PathOf("home/.config/NivoConfig/NivoConfig.ini");
        program.folder = PathOf("prefix/bin");
        program.name = "NivoConfig";
        program.configHome = PathOf("home/.config");
        std::filesystem::create_directories(program.folder);
        std::filesystem::create_directories(PathOf("prefix/share/nivoconfig"));
        WriteBytes(installed, kInstalled);
    }

    /// The user's own file, its folder created.
    void WriteUserFile(const std::string& bytes) {
        std::filesystem::create_directories(PathOf("home/.config/NivoConfig"));
        WriteBytes(user, bytes);
    }

    static std::vector<std::string> Units(const cNivolantis& app) {
        const cParameter& unit = app.Data("Eingang").Parameters("Skaleneinheit");
        std::vector<std::string> units;
        for (int i = 0; i < unit.DescriptionCount(); ++i)
            units.push_back(unit.Description(std::to_string(i)));
        return units;
    }

    static constexpr char kInstalled[] =
        "[Einheiten]\r\nAnzahl=3\r\nEinheit0=bar\r\nEinheit1=mbar\r\nEinheit2=m\r\n"
        "[ID]\r\nFirmware=K417 V2.1\r\n"
        "[Firma]\r\nName=Pegel AG\r\nOrt=Talheim\r\n"
        "[Schnittstellen]\r\nCOM2=/dev/pts/9\r\nCOM4=/dev/ttyS3\r\n";

    ProgramInfo program;
    std::string installed, user;
};

TEST_F(SettingsFilesTest, TheUsersFileOverridesTheInstalledOneKeyByKey) {
    WriteUserFile("[einheiten]\r\nAnzahl=4\r\nEinheit1=hPa\r\nEinheit3=ft\r\n"
                  "[Firma]\r\nOrt=D-12345 Neustadt\r\n"
                  "[Schnittstellen]\r\nCOM2=\r\nCOM3=/dev/ttyUSB0\r\n");
    const SettingsFiles settings = SettingsFiles::ForUser(program);
    cNivolantis app(settings);
    EXPECT_EQ((std::vector<std::string>{"bar", "hPa", "m", "ft"}), Units(app));
    EXPECT_EQ("K417 V2.1", app.FirmwareID());
    EXPECT_EQ("Pegel AG", settings.getKey("Firma", "Name"));
    EXPECT_EQ("D-12345 Neustadt", settings.getKey("Firma", "Ort"));
    EXPECT_EQ("/dev/ttyUSB0", app.Ports().PortPath(3));
    EXPECT_EQ("/dev/ttyS3", app.Ports().PortPath(4));
    EXPECT_NE("/dev/pts/9", app.Ports().PortPath(2)) << "an empty key is the user's choice too";

    // A file named on the command line replaces both, and takes the choices made then.
    const std::string other = PathOf("andere.ini");
    WriteBytes(other, "[Einheiten]\r\nAnzahl=2\r\nEinheit0=cm\r\nEinheit1=mm\r\n");
    const SettingsFiles only = SettingsFiles::Only(other);
    EXPECT_EQ((std::vector<std::string>{"cm", "mm"}), Units(cNivolantis(only)));
    EXPECT_EQ("", only.getKey("Firma", "Ort"));
    EXPECT_EQ("", only.SavePortPath(5, "/dev/ttyACM0"));
    EXPECT_EQ("/dev/ttyACM0", cNivolantis(other).Ports().PortPath(5));

    // Without the installed file nothing starts, whatever the user's file holds.
    WriteUserFile(kInstalled);
    std::filesystem::remove(installed);
    EXPECT_THROW(cNivolantis{SettingsFiles::ForUser(program)}, std::runtime_error);
}

// That a choice keeps the file's other keys is the command line's save-port check.
TEST_F(SettingsFilesTest, PortChoicesGoToTheUsersFileOnlyItsFolderMadeWhenMissing) {
    const SettingsFiles settings = SettingsFiles::ForUser(program);
    EXPECT_EQ("", settings.SavePortPath(1, "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"));
    EXPECT_EQ("[Schnittstellen]\r\nCOM1=/dev/serial/by-id/usb-FTDI_FT232R-if00-port0\r\n",
              ReadBytes(user));

    // A path that the file would give back cut is refused whole.
    EXPECT_EQ("Der Wert ist 255 Bytes lang; die Einstellungsdatei nimmt höchstens 254 Bytes auf.",
              settings.SavePortPath(2, "/dev/" + std::string(250, 'x')));
    EXPECT_EQ("", settings.SavePortPath(2, "/dev/" + std::string(249, 'x')));
    EXPECT_EQ("/dev/" + std::string(249, 'x'), cNivolantis(settings).Ports().PortPath(2));

    // A file named without a folder lies in the current one.
    const std::filesystem::path current = std::filesystem::current_path();
    std::filesystem::current_path(Dir());
    for (const std::string name : {"NivoConfig.ini", "Anlage\\NivoConfig.ini"}) {
        EXPECT_EQ("", SettingsFiles::Only(name).SavePortPath(3, "/dev/ttyS3")) << name;
        EXPECT_EQ("[Schnittstellen]\r\nCOM3=/dev/ttyS3\r\n", ReadBytes(PathOf(name))) << name;
    }
    std::filesystem::current_path(current);

    // A failed write leaves the file as it was and says why.
    std::filesystem::remove(user);
    std::filesystem::create_directories(user);
    EXPECT_NE("", settings.SavePortPath(2, "/dev/ttyUSB0"));
    ProgramInfo homeless = program;
    homeless.configHome.clear();
    EXPECT_NE("", SettingsFiles::ForUser(homeless).SavePortPath(2, "/dev/ttyUSB0"));
    EXPECT_EQ(kInstalled, ReadBytes(installed));
}

// The program asks for 20 and more keys at each start; each refusal is told once all the same.
TEST_F(SettingsFilesTest, AUsersFileThatIsNoSettingsFileIsToldOnceAndLeftOut) {
    const auto refused = [this](const std::string& why) {
        return "Die Einstellungsdatei '" + user + "' wird nicht gelesen. " + why +
               " Es gelten die übrigen Einstellungen.";
    };
    // A NUL byte in a port's device file would open the name before it.
    WriteUserFile(std::string("[Schnittstellen]\r\nCOM4=/dev/tty\0S7\r\n", 36));
    ExpectMessage(refused("Sie enthält Binärdaten (ein Null-Byte)."), MsgIcon::Exclamation);
    EXPECT_EQ("/dev/ttyS3", cNivolantis(SettingsFiles::ForUser(program)).Ports().PortPath(4));
    VerifyMessages();

    // A pipe is not opened: nothing waits for a writer.
    std::filesystem::remove(user);
    ASSERT_EQ(0, ::mkfifo(user.c_str(), 0600));
    ExpectMessage(refused("Der Name bezeichnet keine gewöhnliche Datei, sondern ein Gerät oder "
                          "eine Pipe."),
                  MsgIcon::Exclamation);
    EXPECT_EQ("/dev/ttyS3", cNivolantis(SettingsFiles::ForUser(program)).Ports().PortPath(4));
}

TEST(ProgramInfoTest, TheUsersSettingsAndStateFoldersFollowXdgElseHome) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string kept = saved ? saved : "";
    ::setenv("HOME", "/home/erika", 1);
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
    ::setenv("XDG_STATE_HOME", "/tmp/xdg-state", 1);
    EXPECT_EQ("/tmp/xdg-test/NivoConfig/NivoConfig.ini",
              SettingsFiles::UserFile(ProgramInfo::OfRunningExecutable()));
    EXPECT_EQ("/tmp/xdg-state", ProgramInfo::OfRunningExecutable().stateHome);
    ::setenv("XDG_CONFIG_HOME", "relativ", 1); // not absolute: ignored
    ::setenv("XDG_STATE_HOME", "relativ", 1);
    EXPECT_EQ("/home/erika/.config", ProgramInfo::OfRunningExecutable().configHome);
    EXPECT_EQ("/home/erika/.local/state", ProgramInfo::OfRunningExecutable().stateHome);
    saved ? ::setenv("XDG_CONFIG_HOME", kept.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_STATE_HOME");
}

} // namespace
