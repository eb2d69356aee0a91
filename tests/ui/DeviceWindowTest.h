#pragma once

#include "GuiTest.h"

#include "base/EventPump.h"
#include "base/Platform.h"
#include "sim/K417Simulator.h"
#include "support/PortMap.h"
#include "support/SkippingClock.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>

#include <functional>
#include <vector>

/// What the main window showed at one moment of a device operation.
struct WindowMoment {
    bool toolbar, pages;
    QString panel;      ///< the port panel of the status bar
    bool cancelOffered; ///< "Abbrechen" beside the bar
    bool busy;          ///< the application refused a second device exchange
};

/// Installed as the event pump: notes what the window shows at every wait for the device, and
/// runs a test's action there.
class WindowWatch : public EventPump {
public:
    WindowWatch(const frmMain& window, const cNivolantis& app) : m_window(window), m_app(app) {}

    void ProcessEvents() override {
        seen.push_back({m_window.findChild<QToolBar*>("Toolbar1")->isEnabled(),
                        m_window.findChild<QTabWidget*>("SSTab1")->isEnabled(),
                        m_window.findChild<QLabel*>("StatusBar1_Panel1")->text(),
                        m_window.findChild<QPushButton*>("cmdAbbrechen")->isVisible(),
                        m_app.DeviceBusy()});
        if (action)
            action();
    }

    std::vector<WindowMoment> seen;
    std::function<void()> action;

private:
    const frmMain& m_window;
    const cNivolantis& m_app;
};

/// The main window with a simulated device on COM1; the other ports lead nowhere. The clock lets
/// a test skip a time-out it provokes.
class DeviceWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        auto skipping = std::make_unique<SkippingClock>();
        clock = skipping.get();
        Platform::Install(std::move(skipping));
        MapPorts(app->SerCom(), {{1, sim.SlavePath()}}, Dir());
        sim.Start();
    }

    /// Opens the window and starts watching it during waits.
    void Open(const QString& commandLine = "") {
        OpenMain(commandLine);
        auto looking = std::make_unique<WindowWatch>(*main, *app);
        watch = looking.get();
        Platform::Install(std::move(looking));
    }

    /// Clicks "Abbrechen" at every wait once the device received `count` commands of `letter`.
    void CancelAfter(char letter, int count) {
        watch->action = [this, letter, count] {
            if (sim.CommandCount(letter) >= count)
                Run("cmdAbbrechen");
        };
    }

    /// Every moment seen showed the window's commands off and the application busy, and
    /// "Abbrechen" as offered; afterwards the commands are back. Forgets the moments and the
    /// action.
    void ExpectCommandsWereOff(bool cancelOffered = false) {
        ASSERT_FALSE(watch->seen.empty());
        for (const WindowMoment& m : watch->seen) {
            EXPECT_FALSE(m.toolbar);
            EXPECT_FALSE(m.pages);
            EXPECT_TRUE(m.busy);
            EXPECT_EQ(cancelOffered, m.cancelOffered);
        }
        EXPECT_TRUE(Find<QToolBar>("Toolbar1")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>("cmdAbbrechen")->isVisible());
        EXPECT_FALSE(Find<QProgressBar>("ProgressBar1")->isVisible());
        EXPECT_FALSE(app->DeviceBusy());
        watch->seen.clear();
        watch->action = nullptr;
    }

    K417Simulator sim;
    SkippingClock* clock = nullptr;
    WindowWatch* watch = nullptr;
};
