#include "GuiTest.h"
#include "WindowMoment.h"

#include "base/EventPump.h"
#include "base/Platform.h"
#include "device/DeviceProtocol.h"
#include "device/PortAccess.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/PortMap.h"
#include "ui/service/frmOptionen.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QWindow>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// What the window showed when the progress reached the views.
struct Seen : WindowMoment {
    int percent;
};

/// Registered after the main window: looks at the window each time the progress reaches it.
class WindowProbe : public View, public ProgressView {
public:
    explicit WindowProbe(frmMain& window) : m_window(window) {}
    void Update() override {}
    void UpdateProgress(int percent) override {
        seen.push_back({WindowMoment::Of(m_window), percent});
    }

    std::vector<Seen> seen;

private:
    frmMain& m_window;
};

/// Looks at the window whenever a wait for the device lets events run, and runs a test's
/// action there.
class LookingPump : public EventPump {
public:
    explicit LookingPump(frmMain& window) : m_window(window) {}
    void ProcessEvents() override {
        seen.push_back(WindowMoment::Of(m_window));
        if (action)
            action();
    }
    std::vector<WindowMoment> seen;
    std::function<void()> action;

private:
    frmMain& m_window;
};

/// The main window with a simulated device on COM1; the other ports lead nowhere.
class WindowCommandsTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        MapPorts(app->SerCom(), {{1, sim.SlavePath()}}, Dir());
        sim.SetEeprom(FactoryEeprom());
        sim.Start();
    }

    void Press(const char* key) { main->findChild<QAction*>(key)->trigger(); }
    /// Runs the command, which must show exactly this one message box.
    void PressAnswered(const char* key, const std::string& text, MsgIcon icon,
                       const std::string& title = "") {
        ExpectMessage(text, icon, title);
        Press(key);
        VerifyMessages();
    }
    /// Installs a pump that looks at the window during every wait.
    LookingPump& LookDuringWaits() {
        auto pump = std::make_unique<LookingPump>(*main);
        LookingPump& looking = *pump;
        Platform::Install(std::move(pump));
        return looking;
    }

    void SetDeviceByte(int adress, std::uint8_t value) {
        auto image = sim.Eeprom();
        image[adress] = value;
        sim.SetEeprom(image);
    }

    K417Simulator sim;
};

TEST_F(WindowCommandsTest, WriteAndReadFromTheToolbarDisableTheCommandsMeanwhile) {
    OpenMain();
    WindowProbe probe(*main);
    const auto registration = app->AddView(probe);
    Enter("txtFilter", "7");
    EXPECT_EQ("NivoConfig []*", main->windowTitle());

    PressAnswered("Download", "Gerät schreiben beendet.", MsgIcon::Information);
    EXPECT_EQ("NivoConfig []", main->windowTitle()) << "written: nothing left unsaved";
    EXPECT_EQ(7, sim.Eeprom()[182]) << "Filter lives at EEPROM address 182";
    ASSERT_GT(probe.seen.size(), 10u);
    int last = 0;
    for (const Seen& s : probe.seen) {
        if (s.percent == 0)
            continue;
        EXPECT_FALSE(s.toolbar);
        EXPECT_FALSE(s.pages);
        EXPECT_TRUE(s.bar);
        EXPECT_EQ(s.percent, s.barValue);
        EXPECT_GE(s.percent, last) << "the bar moves forward";
        last = s.percent;
    }
    EXPECT_EQ(100, last);
    EXPECT_EQ(0, probe.seen.back().percent);
    EXPECT_FALSE(main->findChild<QProgressBar*>("ProgressBar1")->isVisible());
    EXPECT_TRUE(main->findChild<QToolBar*>("Toolbar1")->isEnabled());
    EXPECT_TRUE(main->findChild<QTabWidget*>("SSTab1")->isEnabled());
    EXPECT_EQ("COM1", main->findChild<QLabel*>("StatusBar1_Panel1")->text());

    Enter("txtFilter", "9");
    EXPECT_EQ("NivoConfig []*", main->windowTitle());
    probe.seen.clear();
    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    PressAnswered("Upload", "Gerät lesen beendet.", MsgIcon::Information);
    EXPECT_EQ("NivoConfig []", main->windowTitle()) << "read: the device's state";
    EXPECT_EQ(7.0f, P("Eingang", "Filter").Value());
    EXPECT_EQ("7", Text("txtFilter"));
    ASSERT_FALSE(probe.seen.empty());
    EXPECT_FALSE(probe.seen.front().toolbar);
    EXPECT_FALSE(main->findChild<QProgressBar*>("ProgressBar1")->isVisible());
    EXPECT_TRUE(main->findChild<QToolBar*>("Toolbar1")->isEnabled());
}

TEST_F(WindowCommandsTest, ConnectShowsTheSearchThenThePort) {
    OpenMain();
    LookingPump& looking = LookDuringWaits();
    Press("Connect");
    ASSERT_FALSE(looking.seen.empty());
    for (const WindowMoment& s : looking.seen) {
        EXPECT_EQ("Suche Gerät...", s.panel);
        EXPECT_FALSE(s.toolbar);
    }
    EXPECT_EQ("COM1", main->findChild<QLabel*>("StatusBar1_Panel1")->text());
    EXPECT_EQ(1, app->PortNr());
}

TEST_F(WindowCommandsTest, WhileWriteAndReadSearchThePanelSaysSoAndThenNamesThePort) {
    OpenMain();
    LookingPump& looking = LookDuringWaits();
    for (const char* command : {"Download", "Upload"}) {
        // The panel at each moment, with whether the device had been asked for its name and
        // had been sent "B" 0, which follows the search.
        struct Moment {
            QString panel;
            bool asked, marked;
        };
        std::vector<Moment> moments;
        const int names = sim.CommandCount('I'), marks = sim.CommandCount('B');
        looking.action = [&] {
            moments.push_back({looking.seen.back().panel, sim.CommandCount('I') > names,
                               sim.CommandCount('B') > marks});
        };
        Press(command);
        ASSERT_EQ(1u, Recorder().Messages().size()) << command;
        Recorder().Clear();
        int searching = 0, connected = 0;
        for (const Moment& m : moments) {
            if (!m.asked) { // COM1 is about to be tried
                EXPECT_EQ("Suche Gerät...", m.panel) << command;
                ++searching;
            } else if (m.marked) {
                EXPECT_EQ("COM1", m.panel) << command;
                ++connected;
            }
        }
        EXPECT_GT(searching, 0) << command;
        EXPECT_GT(connected, 0) << command;
        EXPECT_EQ("COM1", main->findChild<QLabel*>("StatusBar1_Panel1")->text());
    }
}

TEST_F(WindowCommandsTest, ReadingCanBeCancelledAndLeavesTheFieldsWritingCannot) {
    auto image = sim.Eeprom();
    image[182] = 9; // Filter
    sim.SetEeprom(image);
    OpenMain();
    const float filter = P("Eingang", "Filter").Value();
    const QString filterText = Text("txtFilter");
    ASSERT_NE(9.0f, filter);
    LookingPump& looking = LookDuringWaits();
    auto* cancel = main->findChild<QPushButton*>("cmdAbbrechen");
    ASSERT_NE(nullptr, cancel);
    EXPECT_EQ("Abbrechen", cancel->text());
    EXPECT_FALSE(cancel->isVisible());

    looking.action = [&] {
        if (sim.CommandCount('c') >= 20)
            cancel->click();
    };
    PressAnswered("Upload", "Gerät lesen abgebrochen.", MsgIcon::Information, "Gerät lesen");
    EXPECT_EQ(filter, P("Eingang", "Filter").Value()) << "nothing read reached the model";
    EXPECT_EQ(filterText, Text("txtFilter"));
    EXPECT_LE(sim.CommandCount('c'), 26) << "stopped at the next parameter";
    ASSERT_FALSE(looking.seen.empty());
    for (const WindowMoment& m : looking.seen)
        EXPECT_TRUE(m.cancelOffered);
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_TRUE(main->findChild<QToolBar*>("Toolbar1")->isEnabled());

    looking.seen.clear();
    looking.action = nullptr;
    PressAnswered("Download", "Gerät schreiben beendet.", MsgIcon::Information);
    ASSERT_FALSE(looking.seen.empty());
    for (const WindowMoment& m : looking.seen)
        EXPECT_FALSE(m.cancelOffered) << "a half-written device is worse than a wait";
}

TEST_F(WindowCommandsTest, OptionsTakeTheVariantFromTheDeviceOrTheChoice) {
    OpenMain();
    frmOptionen options(*app);
    options.Update();
    auto option = [&options](int i) {
        return options.findChild<QRadioButton*>("optVarianten_" + QString::number(i));
    };
    EXPECT_TRUE(option(0)->isChecked());
    ASSERT_EQ(1, app->Connect());
    auto* read = options.findChild<QPushButton*>("Command2");

    SetDeviceByte(7, 0x0F);
    app->setHardwareVariante(1);
    read->click();
    EXPECT_EQ(7, app->HardwareVariante()) << "only the lowest three bits count";
    EXPECT_TRUE(option(0)->isChecked());

    SetDeviceByte(7, 0x03);
    read->click();
    EXPECT_EQ(3, app->HardwareVariante());
    EXPECT_TRUE(option(0)->isChecked()) << "no option for 3: the previous one stays";

    option(2)->click();
    EXPECT_EQ(0, app->HardwareVariante());
    EXPECT_TRUE(option(2)->isChecked());

    sim.SetFaults({.silent = true});
    ExpectMessage("Die Hardwarevariante des Gerätes konnte nicht gelesen werden.",
                  MsgIcon::Exclamation);
    read->click();
    EXPECT_EQ(0, app->HardwareVariante());
}

/// Looks at the options window each time the progress reaches the views, and tries to change
/// the variant there as a hasty user would.
class OptionsProbe : public View, public ProgressView {
public:
    explicit OptionsProbe(frmOptionen& options) : m_options(options) {}
    void Update() override {}
    void UpdateProgress(int percent) override {
        if (percent == 0)
            return;
        enabledDuringTransfer = enabledDuringTransfer || m_options.isEnabled();
        m_options.findChild<QRadioButton*>("optVarianten_2")->setChecked(true);
    }
    bool enabledDuringTransfer = false;

private:
    frmOptionen& m_options;
};

TEST_F(WindowCommandsTest, OptionsOpenCentredShowTheVariantAndWaitForTransfers) {
    app->setHardwareVariante(1); // before the options window hears of any change
    SetDeviceByte(7, 1);
    OpenMain();
    frmOptionen options(*app);
    auto option = [&options](int i) {
        return options.findChild<QRadioButton*>("optVarianten_" + QString::number(i));
    };
    main->setOptionsWindow(&options);
    main->setGeometry(300, 200, main->width(), main->height());
    Press("Options");
    ASSERT_TRUE(options.isVisible());
    // Window systems keep a dialog above the window it belongs to.
    EXPECT_EQ(Qt::Dialog, options.windowType());
    EXPECT_EQ(main->windowHandle(), options.windowHandle()->transientParent());
    EXPECT_TRUE(option(1)->isChecked()) << "the variant shows from the first showing on";
    const QPoint offset = options.frameGeometry().center() - main->frameGeometry().center();
    // Before its first showing the window's frame is unknown: it may shift it by its width.
    EXPECT_LE(offset.manhattanLength(), 8) << "centred on the main window";

    OptionsProbe probe(options);
    const auto registration = app->AddView(probe);
    PressAnswered("Download", "Gerät schreiben beendet.", MsgIcon::Information);
    EXPECT_FALSE(probe.enabledDuringTransfer) << "locked with the toolbar and the pages";
    EXPECT_EQ(1, app->HardwareVariante()) << "no variant change during a transfer";
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_TRUE(options.isEnabled());
}

} // namespace

TEST_F(WindowCommandsTest, ConnectNamesThePortsTheUserMayNotOpen) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "Only meaningful as an ordinary user: root may open every device file.";
    ASSERT_EQ(0, ::chmod(sim.SlavePath().c_str(), 060));
    OpenMain();
    const std::string refused = PortAccess::PermissionDenied(sim.SlavePath());
    ASSERT_NE(std::string::npos, refused.find("usermod -aG")) << refused;
    PressAnswered("Connect", refused, MsgIcon::Exclamation, "Verbinden");
    EXPECT_EQ(0, app->PortNr());
}

TEST_F(WindowCommandsTest, ConnectNamesThePortsAnotherProgramHolds) {
    OpenMain();
    cSerCom other;
    other.setPortPath(1, sim.SlavePath());
    ASSERT_EQ(1, other.OpenCom(1, DeviceProtocol::kLineSettings));
    PressAnswered("Connect",
                  "COM1 (" + sim.SlavePath() + "): Schnittstelle wird bereits verwendet.",
                  MsgIcon::Exclamation, "Verbinden");
    EXPECT_EQ(0, app->PortNr());
}
