#include "app/basMain.h"
#include "base/Platform.h"
#include "support/CallbackPump.h"
#include "support/CoreTest.h"
#include "support/FastClock.h"
#include "support/PortMap.h"

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <stdexcept>

namespace {

using Log = std::vector<std::string>;

/// Logs each step of program start with what the application object looked like then.
class RecordingWindows : public StartWindows {
public:
    struct Window : View {
        void Update() override {}
        ViewRegistration registration;
    };

    void ShowSplash() override { log.push_back(MyNivolantis ? "splash, object built" : "splash"); }
    void ShowSplashStatus(const std::string& text) override {
        log.push_back("splash '" + text + "', firmware '" + Firmware() + "'");
    }
    void CloseSplash() override { log.push_back("close splash, found '" + Firmware() + "'"); }
    void ShowMain(cNivolantis& app) override {
        log.push_back("main, views " + std::to_string(app.Views().size()));
        if (mainFails)
            throw std::runtime_error("Das Hauptfenster fehlt.");
        main.registration = app.AddView(main);
    }
    void MakeOptions(cNivolantis& app) override {
        log.push_back("options, views " + std::to_string(app.Views().size()));
        options.registration = app.AddView(options);
    }

    void ShowStartNote(const std::string& text) override { log.push_back("note '" + text + "'"); }

    static std::string Firmware() { return MyNivolantis->FirmwareID(); }

    Log log;
    bool mainFails = false;
    Window main, options;
};

class ProgramStartTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        MyNivolantis.reset();
        // the event runs before the application object exists
        Platform::Install(std::make_unique<CallbackPump>([this] {
            if (!MyNivolantis)
                log.push_back("events");
        }));
        Platform::Install(std::make_unique<FastClock>());
    }
    void TearDown() override {
        MyNivolantis.reset();
        CoreTest::TearDown();
    }

    /// Starts with the test's settings file (firmware "K417 V2.1"); no device answers.
    bool Start(const std::string& settings) {
        return StartProgram(windows, SettingsFiles::Only(settings), [this](cNivolantis& app) {
            log.push_back("configure, firmware '" + app.FirmwareID() + "'");
            MapPorts(app.SerCom(), {}, Dir()); // none of the machine's ports
        });
    }

    RecordingWindows windows;
    Log& log = windows.log;
};

} // namespace

TEST_F(ProgramStartTest, StepsRunInTheOrderOfTheStartUpSequence) {
    ASSERT_TRUE(Start(WriteSettings()));
    // The search, which may take seconds without a device, is announced on the splash before it
    // starts (and empties the firmware text).
    EXPECT_EQ((Log{"splash", "events", "configure, firmware 'K417 V2.1'",
                   "splash 'Suche Gerät...', firmware 'K417 V2.1'", "close splash, found ''",
                   "main, views 0", "options, views 1"}),
              log);
    EXPECT_EQ((std::vector<View*>{&windows.main, &windows.options}), MyNivolantis->Views());
}

TEST_F(ProgramStartTest, ErrorEndsTheStartWithOneUntitledBox) {
    const std::string missing = PathOf("fehlt.ini");
    ExpectMessage("Fehler beim Programmstart in Modul 'basMain': \r\nDie Einstellungsdatei '" +
                      missing + "' ist nicht vorhanden.",
                  MsgIcon::None);
    EXPECT_FALSE(Start(missing));
    EXPECT_EQ((Log{"splash", "events"}), log);
    VerifyMessages();

    log.clear();
    windows.mainFails = true;
    ExpectMessage("Fehler beim Programmstart in Modul 'basMain': \r\nDas Hauptfenster fehlt.",
                  MsgIcon::None);
    EXPECT_FALSE(Start(WriteSettings()));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ("main, views 0", log.back()) << "nothing runs after the failing step";
    EXPECT_TRUE(MyNivolantis->Views().empty());
}

#ifndef _WIN32 // the rights of a device file are those of a POSIX system
TEST_F(ProgramStartTest, APortThisUserMayNotOpenIsSaidOnceAfterTheSearch) {
    // COM1's device file is closed to this user; root is made an ordinary one for the search.
    const std::string settings = WriteSettings();
    const std::string device = PathOf("ttyUSB0");
    WriteBytes(device, "");
    ASSERT_EQ(0, ::chmod(device.c_str(), 0));
    ASSERT_EQ(0, ::chmod(Dir().c_str(), 0755));
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(StartProgram(windows, SettingsFiles::Only(settings), [&](cNivolantis& app) {
        MapPorts(app.SerCom(), {{1, device}}, Dir());
        ASSERT_TRUE(!root || ::seteuid(65534) == 0);
    }));
    ASSERT_TRUE(!root || ::seteuid(0) == 0);
    struct stat info {};
    ASSERT_EQ(0, ::stat(device.c_str(), &info));
    const std::string refused =
        "Keine Berechtigung für " + device + " (Gruppe '" + ::getgrgid(info.st_gid)->gr_name +
        "' ohne Lese- und Schreibrecht). Der Verwalter des Rechners muss den Zugriff freigeben.";
    EXPECT_EQ((Log{"splash", "events", "splash 'Suche Gerät...', firmware 'K417 V2.1'",
                   "splash '" + refused + "', firmware ''", "close splash, found ''",
                   "main, views 0", "options, views 1", "note '" + refused + "'"}),
              log);
}
#endif
