#include "DeviceWindowTest.h"

#include "device/DeviceProtocol.h"
#include "device/PortAccess.h"
#include "sim/FactoryImage.h"
#include "sim/PseudoTerminal.h"
#include "ui/main/FieldBindings.h"
#include "ui/service/frmOptionen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QWindow>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// The main window over a device with the factory settings.
class WindowCommandsTest : public DeviceWindowTest {
protected:
    void SetUp() override {
        DeviceWindowTest::SetUp();
        sim.SetEeprom(FactoryEeprom());
    }

    void SetDeviceByte(int adress, std::uint8_t value) {
        auto image = sim.Eeprom();
        image[adress] = value;
        sim.SetEeprom(image);
    }
    QRadioButton* Variant(const frmOptionen& options, int i) {
        return options.findChild<QRadioButton*>("optVarianten_" + QString::number(i));
    }

    /// Enters and leaves every enabled text field of pages 1 to 5 and every support point's
    /// fields as a user tabbing through them would, without typing.
    void PassThroughEveryField() {
        auto pass = [this](QLineEdit* edit) {
            if (!edit->isEnabled())
                return;
            auto* tabs = Find<QTabWidget>("SSTab1");
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(edit))
                    tabs->setCurrentIndex(i);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(edit, Qt::Key_Tab);
        };
        for (const TextBinding& binding : TextBindings())
            pass(Find(QString::fromStdString(binding.field)));
        auto* grid = Find<QTableWidget>("grdXY");
        for (int row = 0; row < grid->rowCount(); ++row) {
            grid->setCurrentCell(row, 0);
            pass(Find("txtX"));
            pass(Find("txtY"));
        }
    }
    /// The names of the values that differ between the two states, and the other differences.
    std::string Differences(const Configuration::State& a, const Configuration::State& b) {
        std::string names;
        std::size_t i = 0;
        app->ForEachParameter([&](cDataGroup&, cParameter& p) {
            if (i < a.values.size() && i < b.values.size() && a.values[i] != b.values[i])
                names += " " + p.ParName();
            ++i;
        });
        if (a.descriptions != b.descriptions || a.benutzername != b.benutzername ||
            !(a.parametrierdatum == b.parametrierdatum))
            names += " (description or user data)";
        return names;
    }
    /// Sets every value onto its lower or upper limit, as a file might hold them.
    void SetAllTo(bool upper) {
        const Configuration::Batch batch(app->Config(), Configuration::Batch::Checks::Off);
        app->ForEachParameter([upper](cDataGroup&, cParameter& p) {
            p.setValue(upper ? p.UpperLimit() : p.LowerLimit());
        });
    }
};

TEST_F(WindowCommandsTest, DeviceCommandsSearchThePortLockTheWindowAndOnlyReadingCanBeCancelled) {
    SetDeviceByte(182, 9); // Filter
    Open();
    // {command, its message, whether it offers "Abbrechen": a half-written device is worse
    // than a wait}
    const std::tuple<const char*, std::string, bool> commands[] = {
        {"Connect", "", false},
        {"Upload", "Gerät lesen beendet.", true},
        {"Download", "Gerät schreiben beendet.", false}};
    for (const auto& [command, message, cancel] : commands) {
        SCOPED_TRACE(command);
        if (std::string(command) == "Upload") { // the edit is lost: asked first
            Enter("txtFilter", "3");
            ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
        } else if (std::string(command) == "Download") {
            EXPECT_EQ("9", Text("txtFilter")) << "read from the device";
            Enter("txtFilter", "7");
        }
        // The panel before COM1 is asked for its name, and once "B" 0 follows the search.
        const int names = sim.CommandCount('I'), marks = sim.CommandCount('B');
        int searching = 0, connected = 0;
        watch->action = [&] {
            const QString panel = watch->seen.back().panel;
            if (sim.CommandCount('I') == names) {
                EXPECT_EQ("Suche Gerät...", panel);
                ++searching;
            } else if (sim.CommandCount('B') > marks) {
                EXPECT_EQ("COM1", panel);
                ++connected;
            }
        };
        if (!message.empty())
            ExpectMessage(message, MsgIcon::Information);
        QString filterAtMessage;
        Recorder().onShow = [&](const auto&) { filterAtMessage = Text("txtFilter"); };
        Run(command);
        VerifyMessages();
        Recorder().onShow = nullptr;
        if (std::string(command) == "Upload") {
            EXPECT_EQ("9", filterAtMessage) << "the fields show what was read before it is done";
        }
        EXPECT_GT(searching, 0);
        EXPECT_EQ(!message.empty(), connected > 0);
        EXPECT_EQ("COM1", Find<QLabel>("StatusBar1_Panel1")->text());
        ExpectCommandsWereOff(cancel);
        EXPECT_EQ(std::string(command) == "Connect" ? "NivoConfig []" : "NivoConfig []*",
                  main->windowTitle())
            << "the device holds no file";
    }
    EXPECT_EQ(1, app->PortNr());
    EXPECT_EQ(7, sim.Eeprom()[182]);

    SetDeviceByte(182, 11);
    const int asked = sim.CommandCount('c');
    CancelAfter('c', asked + 20);
    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    RunAnswered("Upload", "Gerät lesen abgebrochen.", MsgIcon::Information, "Gerät lesen");
    EXPECT_EQ(7.0f, P("Eingang", "Filter").Value()) << "nothing read reached the model";
    EXPECT_EQ("7", Text("txtFilter"));
    ExpectCommandsWereOff(true);

    // A description line lives only in the file: written to the device, it is still to be saved.
    Enter("txtDescription_0", "Tank 3");
    RunAnswered("Download", "Gerät schreiben beendet.", MsgIcon::Information);
    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::Cancel);
    QTest::keyClick(main.get(), Qt::Key_Q, Qt::ControlModifier);
    VerifyMessages();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ("Tank 3", app->GetDescription(0));
}

TEST_F(WindowCommandsTest, TheConnectionPanelNamesTheDeviceFileUntilTheLineIsGone) {
    Open();
    auto* panel = Find<QLabel>("StatusBar1_Panel1");
    EXPECT_EQ("", panel->toolTip());
    Run("Connect");
    EXPECT_EQ("COM1", panel->text());
    EXPECT_EQ("COM1: " + sim.SlavePath(), panel->toolTip().toStdString());
    // The line drops with the next byte the device receives; the window notices by itself.
    sim.SetFaults({.hangUpAfter = 1});
    app->SerCom().Command("Q", 2, 0.1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return sim.HungUp(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([panel] { return panel->text() == "Keine Verbindung"; }, 3000));
    EXPECT_EQ("", panel->toolTip());
    EXPECT_EQ(0, app->PortNr());
}

TEST_F(WindowCommandsTest, OptionsKeepPortChoicesInTheUsersSettingsAndCloseOnEsc) {
    // One USB adapter is plugged in; COM1 keeps the simulator, the other ports follow the
    // ports found.
    PseudoTerminal adapter;
    const std::filesystem::path byId = Dir() / "root/dev/serial/by-id";
    std::filesystem::create_directories(byId);
    std::filesystem::create_symlink(adapter.SlavePath(), byId / "usb-FTDI_FT232R_A-if00-port0");
    app->Ports().setPortDiscovery(PortDiscovery((Dir() / "root").string()));
    for (std::int16_t n = 2; n <= cSerCom::kPortCount; ++n)
        app->Ports().setPortPath(n, "");
    Open();
    frmOptionen options(*app);
    options.show();
    auto path = [&options](int row) {
        return options.findChild<QComboBox*>("cmbPortPath_" + QString::number(row));
    };
    auto* grid = options.findChild<QTableWidget*>("grdPortPaths");
    ASSERT_NE(nullptr, path(15));
    EXPECT_EQ(sim.SlavePath(), path(0)->currentText().toStdString());
    EXPECT_EQ(adapter.SlavePath(), path(1)->currentText().toStdString());
    EXPECT_EQ("usb-FTDI_FT232R_A-if00-port0", grid->item(1, 2)->text());
    EXPECT_EQ(0, path(2)->findText(QString::fromStdString(adapter.SlavePath())))
        << "every port offers the adapters found";

    // A server address needs its port; nothing is kept until every row is sound.
    path(3)->setEditText("/dev/ttyUSB7");
    path(2)->setEditText("rfc2217://geraeteserver");
    ExpectMessage("COM3: 'rfc2217://geraeteserver' ist keine gültige Adresse.\r\nErwartet: "
                  "tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT.",
                  MsgIcon::Exclamation, "Schnittstellen");
    options.findChild<QPushButton*>("cmdPortsSave")->click();
    VerifyMessages();
    const SettingsFiles& settings = app->SettingsSource();
    EXPECT_EQ("", settings.getKey("Schnittstellen", "COM4"));

    path(2)->setEditText("rfc2217://127.0.0.1:4001");
    options.findChild<QPushButton*>("cmdPortsSave")->click();
    EXPECT_EQ("rfc2217://127.0.0.1:4001", settings.getKey("Schnittstellen", "COM3"));
    EXPECT_EQ("/dev/ttyUSB7", settings.getKey("Schnittstellen", "COM4"));
    EXPECT_EQ("", settings.getKey("Schnittstellen", "COM1")) << "unchanged rows are not kept";
    EXPECT_EQ("rfc2217://127.0.0.1:4001", app->Ports().PortPath(3));
    EXPECT_EQ("Geräteserver", grid->item(2, 2)->text());

    options.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
    path(0)->setFocus();
    QTest::keyClick(path(0), Qt::Key_Escape);
    EXPECT_FALSE(options.isVisible());
}

TEST_F(WindowCommandsTest,
       OptionsOpenCentredAndTakeTheVariantFromTheDeviceOrTheChoiceButNotInATransfer) {
    app->setHardwareVariante(1); // before the options window hears of any change
    SetDeviceByte(7, 1);
    Open();
    frmOptionen options(*app);
    main->Commands().setOptionsWindow(&options);
    main->setGeometry(300, 200, main->width(), main->height());
    Run("Options");
    ASSERT_TRUE(options.isVisible());
    // Window systems keep a dialog above the window it belongs to.
    EXPECT_EQ(Qt::Dialog, options.windowType());
    EXPECT_EQ(main->windowHandle(), options.windowHandle()->transientParent());
    EXPECT_TRUE(Variant(options, 1)->isChecked()) << "the variant shows from the first showing on";
    const QPoint offset = options.frameGeometry().center() - main->frameGeometry().center();
    // Before its first showing the window's frame is unknown: it may shift it by its width.
    EXPECT_LE(offset.manhattanLength(), 8) << "centred on the main window";

    // A hasty user tries to change the variant during a transfer.
    bool enabledDuringTransfer = false;
    watch->action = [&] {
        enabledDuringTransfer = enabledDuringTransfer || options.isEnabled();
        Variant(options, 2)->setChecked(true);
    };
    RunAnswered("Download", "Gerät schreiben beendet.", MsgIcon::Information);
    EXPECT_FALSE(enabledDuringTransfer) << "locked with the toolbar and the pages";
    EXPECT_EQ(1, app->HardwareVariante()) << "no variant change during a transfer";
    EXPECT_TRUE(Variant(options, 1)->isChecked());
    EXPECT_TRUE(options.isEnabled());

    auto* read = options.findChild<QPushButton*>("Command2");
    SetDeviceByte(7, 0x0B);
    read->click();
    EXPECT_EQ(3, app->HardwareVariante()) << "the lowest three bits";
    EXPECT_TRUE(Variant(options, 1)->isChecked()) << "no option for 3: the previous one stays";
    Variant(options, 2)->click();
    EXPECT_EQ(0, app->HardwareVariante());
    sim.SetFaults({.silent = true});
    ExpectMessage("Die Hardwarevariante des Gerätes konnte nicht gelesen werden.",
                  MsgIcon::Exclamation);
    read->click();
    EXPECT_EQ(0, app->HardwareVariante());

    // The trace, off at first, takes the window's next exchange into the user's state folder.
    sim.SetFaults({});
    auto* trace = options.findChild<QCheckBox*>("chkTrace");
    EXPECT_FALSE(trace->isChecked());
    const std::string file = PathOf("state/NivoConfig/Mitschnitt.txt");
    EXPECT_EQ("Mitschnitt in: " + file,
              options.findChild<QLabel*>("lblTraceFile")->text().toStdString());
    // One that cannot start says so and leaves the box off and the setting as it was.
    VerifyMessages();
    std::filesystem::create_directories(file); // a folder where the file should be
    trace->click();
    EXPECT_EQ(0u, Recorder().Messages().back().text.find("Mitschnitt des Datenverkehrs: "));
    Recorder().Clear();
    EXPECT_FALSE(trace->isChecked() || app->SettingsSource().Trace());
    std::filesystem::remove(file);
    trace->click();
    read->click(); // "c" 00 07, answered by the device's byte 0B
    const std::string start = "14:05:09.000 -- Mitschnitt beginnt am 2026-12-06\n";
    const std::string traced =
        start + "14:05:09.000 COM1 > 63 00 07  |c..|\n14:05:09.000 COM1 < 0B  |.|\n";
    EXPECT_EQ(traced, ReadBytes(file));
    {
        cNivolantis next(app->SettingsSource()); // the next program run
        frmOptionen nextOptions(next);
        nextOptions.show();
        EXPECT_TRUE(nextOptions.findChild<QCheckBox*>("chkTrace")->isChecked())
            << "kept in the user's settings";
    }
    trace->click();
    read->click();
    EXPECT_FALSE(app->SettingsSource().Trace());
    EXPECT_EQ(traced + start, ReadBytes(file))
        << "the next run's start, nothing after switching off";
}

TEST_F(WindowCommandsTest, PrintWithoutAPrinterOffersAPdfFileNamedAfterTheParameterFile) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a system printer would print for real";
    Open();
    const std::string question =
        "Es ist kein Drucker eingerichtet.\nSoll der Bericht als PDF-Datei gespeichert werden?";
    ExpectQuestion(question, MsgButtons::YesNo, "Drucken", MsgAnswer::No);
    Run("Print");
    EXPECT_TRUE(dialogs->Requests().empty()) << "no file dialog after the answer Nein";
    ExpectQuestion(question, MsgButtons::YesNo, "Drucken", MsgAnswer::Yes);
    app->setFileName(PathOf("tank.v2.par"));
    dialogs->Answer(QString::fromStdString(PathOf("bericht.pdf")));
    Run("Print");
    EXPECT_EQ(QString::fromStdString(PathOf("tank.v2.pdf")),
              dialogs->Requests().back().options.fileName)
        << "named after the parameter file";
    EXPECT_EQ("%PDF", ReadBytes(PathOf("bericht.pdf")).substr(0, 4));
}

TEST_F(WindowCommandsTest, PassingThroughTheFieldsChangesNoValueInAnyFormOrSetting) {
    SetDeviceByte(196, 1); // "0000.0"
    Open();
    const std::function<void()> cases[] = {
        [] {}, // the defaults: point 8 lies at 8.8696 mA, shown as 8,86
        [this] {
            RunAnswered("Upload", "Gerät lesen beendet.", MsgIcon::Information);
            ASSERT_EQ("0000.0", Find<QComboBox>("cmbSComma")->currentText());
        },
        [this] {
            UseEnglish();
            SetAllTo(false);
        },
        [this] { SetAllTo(true); },
    };
    int step = 0;
    for (const auto& prepare : cases) {
        SCOPED_TRACE(step++);
        prepare();
        const Configuration::State before = app->Config().CurrentState();
        PassThroughEveryField();
        EXPECT_EQ("", Differences(before, app->Config().CurrentState()));
    }
}

TEST_F(WindowCommandsTest, UndoTakesBackOneStepWithEverythingItMovedButNeverTheDevice) {
    Open();
    Find<QComboBox>("cmbSComma")->setCurrentIndex(2); // "000.00": room for a scale end of 100
    Enter("txtSEnd", "100");
    const Configuration::State before = app->Config().CurrentState();
    // A begin of 3 clamps what lay below it: the four limits' two values (0,1 and 0,9), the 24
    // Y points (0 to 1), both trend deltas (0,1), the simulation's begin, end and step.
    Enter("txtSBegin", "3");
    EXPECT_EQ("37 weitere Werte wurden angepasst (Rückgängig: Strg+Z).",
              main->statusBar()->currentMessage());
    const Configuration::State after = app->Config().CurrentState();
    EXPECT_EQ(3.0f, P("Linearisierung", "Y24").Value());
    QTest::keyClick(Find("txtSBegin"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ("", Differences(before, app->Config().CurrentState()));
    EXPECT_EQ("000,00", Text("txtSBegin"));
    QTest::keyClick(Find("txtSBegin"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ("", Differences(after, app->Config().CurrentState()));
    QTest::keyClick(Find("txtSBegin"), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(Find("txtSBegin"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(1.0f, R("Eingang", "Skalierung").GetRangeEnd()) << "one step at a time";
    EXPECT_EQ(2.0f, P("Eingang", "Skalenkomma").Value());

    // "Standard", a file and a device read are one step each; undo leaves the device alone.
    SetDeviceByte(182, 9); // Filter
    const auto device = sim.Eeprom();
    Enter("txtFilter", "5");
    const std::string file = PathOf("tank.par");
    ASSERT_TRUE(app->WriteIni(file));
    Enter("txtFilter", "7");
    const Configuration::State edited = app->Config().CurrentState();
    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    Run("Standard");
    EXPECT_EQ(2.0f, P("Eingang", "Filter").Value());
    auto* undo = main->findChild<QAction*>("actUndo");
    undo->trigger(); // the pages' context menu entry
    EXPECT_EQ("", Differences(edited, app->Config().CurrentState()));
    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    dialogs->Answer(QString::fromStdString(file));
    Run("Open");
    EXPECT_EQ(5.0f, P("Eingang", "Filter").Value());
    undo->trigger();
    EXPECT_EQ("", Differences(edited, app->Config().CurrentState()));
    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    RunAnswered("Upload", "Gerät lesen beendet.", MsgIcon::Information);
    EXPECT_EQ(9.0f, P("Eingang", "Filter").Value());
    sim.ClearReceived();
    undo->trigger();
    EXPECT_EQ("", Differences(edited, app->Config().CurrentState()));
    EXPECT_EQ("7", Text("txtFilter"));
    EXPECT_EQ(
        "Eingabe|Lesen", // each names its next step
        (undo->toolTip() + "|" + main->findChild<QAction*>("actRedo")->toolTip()).toStdString());
    EXPECT_EQ("", sim.Received());
    EXPECT_TRUE(device == sim.Eeprom());
}

} // namespace

TEST_F(WindowCommandsTest, ConnectNamesThePortsAnotherProgramHoldsOrTheUserMayNotOpen) {
    Open();
    {
        cSerCom other;
        other.Names().setPortPath(1, sim.SlavePath());
        ASSERT_EQ(1, other.OpenCom(1, DeviceProtocol::kLineSettings));
        RunAnswered("Connect",
                    "COM1 (" + sim.SlavePath() +
                        "): Schnittstelle wird bereits verwendet (von diesem Programm).",
                    MsgIcon::Exclamation, "Verbinden");
        EXPECT_EQ(0, app->PortNr());
    }
    if (::geteuid() == 0)
        GTEST_SKIP() << "The rest only as an ordinary user: root may open every device file.";
    ASSERT_EQ(0, ::chmod(sim.SlavePath().c_str(), 060));
    const std::string refused = PortAccess::PermissionDenied(sim.SlavePath());
    ASSERT_NE(std::string::npos, refused.find("usermod -aG")) << refused;
    RunAnswered("Connect", refused, MsgIcon::Exclamation, "Verbinden");
    EXPECT_EQ(0, app->PortNr());
}
