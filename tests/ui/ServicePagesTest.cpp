#include "GuiTest.h"
#include "WindowMoment.h"

#include "base/EventPump.h"
#include "base/Platform.h"
#include "firmware/EepromHexFile.h"
#include "sim/K417Simulator.h"
#include "support/PortMap.h"
#include "support/SkippingClock.h"

#include <QAction>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>

#include <numeric>

namespace {

/// What the window showed while an operation waited for the device.
struct Moment : WindowMoment {
    bool busy;
};

/// Runs during every wait for the device: notes what the window shows, lets the time-out of an
/// EEPROM cell the simulated device will not answer pass at once, and runs a test's action.
class ServicePump : public EventPump {
public:
    ServicePump(frmMain& window, const cNivolantis& app, K417Simulator& sim, SkippingClock& clock)
        : m_window(window), m_app(app), m_sim(sim), m_clock(clock) {}

    void ProcessEvents() override {
        seen.push_back({WindowMoment::Of(m_window), m_app.DeviceBusy()});
        if (unansweredFrom && AskedForCellFrom(*unansweredFrom))
            m_clock.skipped += 2.0; // once per request, so the next one is still sent
        if (action)
            std::exchange(action, nullptr)();
    }

    std::vector<Moment> seen;
    std::optional<int> unansweredFrom;
    std::function<void()> action; ///< runs once, at the next wait

private:
    /// The line ends with a whole "c" frame (after "B" 0) for an address from `first` on.
    bool AskedForCellFrom(int first) {
        const std::string received = m_sim.Received();
        const std::size_t n = received.size();
        if (n == m_skippedAt || n < 5 || (n - 2) % 3 != 0 || received[n - 3] != 'c')
            return false;
        const bool unanswered = static_cast<std::uint8_t>(received[n - 2]) * 256 +
                                    static_cast<std::uint8_t>(received[n - 1]) >=
                                first;
        if (unanswered)
            m_skippedAt = n;
        return unanswered;
    }

    frmMain& m_window;
    const cNivolantis& m_app;
    K417Simulator& m_sim;
    SkippingClock& m_clock;
    std::size_t m_skippedAt = 0; ///< length of the line when the last time-out was skipped
};

/// The main window with all service pages and a simulated device on COM1, connected; the other
/// ports lead nowhere.
class ServicePagesTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        auto skipping = std::make_unique<SkippingClock>();
        clock = skipping.get();
        Platform::Install(std::move(skipping));
        MapPorts(app->SerCom(), {{1, sim.SlavePath()}}, Dir());
        std::iota(device.begin(), device.end(), std::uint8_t{0x30});
        device[0x10] = 0x0A;
        device[20] = 0x55; // contrast
        sim.SetEeprom(device);
        sim.Start();
    }

    /// Opens the window on the connected device and starts looking at it during waits.
    void Open(bool connected = true) {
        if (connected) {
            ASSERT_EQ(1, app->Connect());
        }
        OpenMain("123");
        auto looking = std::make_unique<ServicePump>(*main, *app, sim, *clock);
        pump = looking.get();
        Platform::Install(std::move(looking));
        sim.ClearReceived();
    }

    void Click(const char* button) { Find<QPushButton>(button)->click(); }
    /// Clicks the button, which must show exactly this one message box.
    void ClickAnswered(const char* button, const std::string& text, MsgIcon icon,
                       const std::string& title = "") {
        ExpectMessage(text, icon, title);
        Click(button);
        VerifyMessages();
    }
    /// Runs `then` at the first wait after the device received `count` commands of `letter`.
    void WhenAsked(char letter, int count, std::function<void()> then) {
        pump->action = [this, letter, count, then] {
            if (sim.CommandCount(letter) >= count)
                then();
            else
                WhenAsked(letter, count, then);
        };
    }
    void ClickCancel() { Find<QPushButton>("cmdAbbrechen")->click(); }
    /// "Abbrechen" was offered at every moment seen, and is gone afterwards.
    void ExpectCancelWasOffered() {
        ASSERT_FALSE(pump->seen.empty());
        for (const Moment& m : pump->seen)
            EXPECT_TRUE(m.cancelOffered);
        EXPECT_FALSE(Find<QPushButton>("cmdAbbrechen")->isVisible());
    }
    QTableWidget* Grid() { return Find<QTableWidget>("grdEEPROM"); }
    QString Cell(int adress) { return Grid()->item(adress / 16, adress % 16)->text(); }
    /// Clicks the cell on page 6.
    void SelectCell(int adress) {
        Find<QTabWidget>("SSTab1")->setCurrentIndex(5);
        QTableWidgetItem* item = Grid()->item(adress / 16, adress % 16);
        Grid()->scrollToItem(item);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {},
                          Grid()->visualItemRect(item).center());
    }
    QProgressBar* Bar() { return Find<QProgressBar>("ProgressBar1"); }

    /// Every moment seen showed the window's commands off and the application busy.
    void ExpectCommandsWereOff() {
        ASSERT_FALSE(pump->seen.empty());
        for (const Moment& m : pump->seen) {
            EXPECT_FALSE(m.toolbar);
            EXPECT_FALSE(m.pages);
            EXPECT_TRUE(m.busy);
        }
        EXPECT_TRUE(Find<QToolBar>("Toolbar1")->isEnabled());
        EXPECT_FALSE(app->DeviceBusy());
        pump->seen.clear();
    }

    K417Simulator sim;
    K417Device::EepromImage device;
    SkippingClock* clock = nullptr;
    ServicePump* pump = nullptr;
};

std::string Frame(std::initializer_list<int> bytes) {
    std::string frame;
    for (int b : bytes)
        frame += static_cast<char>(b);
    return frame;
}

TEST_F(ServicePagesTest, ReadingStopsAfterEightUnansweredCellsAndKeepsTheOtherCells) {
    Open();
    SelectCell(0x123);
    Enter("txtEEPROM", "7");
    ASSERT_EQ("7", Cell(0x123));
    pump->unansweredFrom = 256;
    sim.SetFaults({.noAnswerFrom = 256});
    const int asked = sim.CommandCount('c');
    ClickAnswered("Command3",
                  "Diese EEPROM-Adressen hat das Gerät nicht beantwortet: 0x100 bis 0x1FF.\r\n"
                  "Ihre Zellen zeigen weiter den alten Text.",
                  MsgIcon::Exclamation, "Internes EEPROM");

    for (int adress = 0; adress < 256; ++adress)
        ASSERT_EQ(QString::asprintf("%02X", device[adress]), Cell(adress)) << adress;
    EXPECT_EQ("0A", Cell(0x10));
    EXPECT_EQ("7", Cell(0x123));
    EXPECT_EQ("", Cell(0x100));
    EXPECT_EQ("", Cell(0x1FF));
    int highest = 0;
    for (const Moment& m : pump->seen)
        highest = std::max(highest, m.bar ? m.barValue : 0);
    EXPECT_EQ(50, highest) << "255 × 100 ÷ 512 = 49.8";
    EXPECT_FALSE(Bar()->isVisible());
    EXPECT_TRUE(Grid()->isVisible());
    const std::string received = sim.Received();
    EXPECT_EQ(Frame({'B', 0, 'c', 0, 0}), received.substr(0, 5));
    EXPECT_EQ(Frame({'c', 1, 0x07, 'B', 0xFF}), received.substr(received.size() - 5))
        << "eight cells without an answer end the loop";
    EXPECT_EQ(asked + 256 + 8, sim.CommandCount('c'));
    ExpectCommandsWereOff();
}

TEST_F(ServicePagesTest, ACellIsShownEditedCopiedAndWrittenBackAlone) {
    Open();
    Click("Command3");
    EXPECT_EQ("F", Grid()->horizontalHeaderItem(15)->text());
    EXPECT_EQ("1F", Grid()->verticalHeaderItem(31)->text());
    SelectCell(0x1AB);
    EXPECT_EQ("0x1AB =", Find<QLabel>("lblEEPROM")->text());
    SelectCell(0x10);
    EXPECT_EQ("0A", Text("txtEEPROM"));
    EXPECT_EQ("0x10 =", Find<QLabel>("lblEEPROM")->text());

    for (const QString typed : {"1ff", "xy"}) { // above FF or no number: refused
        Enter("txtEEPROM", typed);
        EXPECT_EQ("0A", Cell(0x10)) << typed.toStdString();
        EXPECT_EQ("'" + typed +
                      "' nicht übernommen: eine Zelle nimmt nur Hexadezimalwerte von 0 bis FF.",
                  main->statusBar()->currentMessage());
    }
    Enter("txtEEPROM", "1f");
    EXPECT_EQ("1f", Cell(0x10)) << "taken as typed";
    EXPECT_EQ("", main->statusBar()->currentMessage());

    Grid()->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 2), true);
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ("1f\t41\t42\r\n50\t51\t52", QGuiApplication::clipboard()->text());

    const int marks = sim.CommandCount('B');
    pump->seen.clear();
    ClickAnswered("Command4",
                  "Gerät Schreiben beendet.\r\n512 von 512 Zellen ins Gerät geschrieben.",
                  MsgIcon::Information, "Internes EEPROM");
    K417Device::EepromImage expected = device;
    expected[0x10] = 0x1F;
    EXPECT_TRUE(sim.Eeprom() == expected) << "exactly the edited byte changed";
    EXPECT_EQ(marks, sim.CommandCount('B')) << "no series marks around the writing";
    EXPECT_FALSE(Bar()->isVisible());
    ExpectCommandsWereOff();
}

TEST_F(ServicePagesTest, TheGridReadAndWriteCanBeCancelledByButtonOrEsc) {
    Open();
    SelectCell(0x123);
    Enter("txtEEPROM", "7");
    EXPECT_FALSE(Find<QPushButton>("cmdAbbrechen")->isVisible()) << "offered only while it runs";
    WhenAsked('c', 100, [this] { ClickCancel(); });
    ClickAnswered("Command3",
                  "Gerät Lesen abgebrochen.\r\nDie Zellen zeigen weiter den alten Text.",
                  MsgIcon::Information, "Internes EEPROM");
    EXPECT_LE(sim.CommandCount('c'), 101) << "stopped at the next cell";
    EXPECT_EQ("", Cell(0));
    EXPECT_EQ("7", Cell(0x123));
    EXPECT_EQ(Frame({'B', 0xFF}), sim.Received().substr(sim.Received().size() - 2));
    ExpectCancelWasOffered();
    ExpectCommandsWereOff();

    Click("Command3");
    sim.ClearReceived();
    WhenAsked('L', 10, [this] {
        QTest::keyClick(main.get(), Qt::Key_Escape);
        QTest::qWait(150); // the button shows its click before it acts
    });
    Click("Command4");
    const int written = sim.CommandCount('L');
    EXPECT_LE(written, 11) << "stopped at the next cell";
    ASSERT_EQ(1u, Recorder().Messages().size());
    EXPECT_EQ("Gerät Schreiben abgebrochen.\r\n" + std::to_string(written) +
                  " von 512 Zellen ins Gerät geschrieben.",
              Recorder().Messages()[0].text);
    EXPECT_EQ("Internes EEPROM", Recorder().Messages()[0].title);
    Recorder().Clear();
    ExpectCancelWasOffered();
}

TEST_F(ServicePagesTest, EmptyCellsStopTheWriteAndTheExportBeforeAnything) {
    Open();
    ClickAnswered("Command4",
                  "Die Zelle 0x0 enthält keinen Hexadezimalwert von 0 bis FF.\r\n"
                  "Es wurde nichts ins Gerät geschrieben.",
                  MsgIcon::Exclamation, "Internes EEPROM");
    EXPECT_EQ("", sim.Received());
    EXPECT_TRUE(sim.Eeprom() == device);

    const std::string file = PathOf("leer.eep");
    dialogs->Answer(QString::fromStdString(file));
    ClickAnswered("Command7",
                  "Die Zelle 0x0 enthält keinen Hexadezimalwert von 0 bis FF.\r\n"
                  "Es wurde keine Datei geschrieben.",
                  MsgIcon::Exclamation, "Internes EEPROM");
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ServicePagesTest, TheExportWritesThirtyThreeRecords) {
    std::iota(device.begin(), device.begin() + 16, std::uint8_t{0});
    sim.SetEeprom(device);
    Open();
    Click("Command3");

    dialogs->Answer(std::nullopt);
    Click("Command7"); // cancelled: silent
    const std::string file = PathOf("grid.eep");
    dialogs->Answer(QString::fromStdString(file));
    Click("Command7");
    ASSERT_EQ(2u, dialogs->Requests().size());
    const FileDialogOptions& options = dialogs->Requests().back().options;
    EXPECT_EQ("Intel Hex-File speichern.", options.title);
    EXPECT_EQ("eep", options.defaultSuffix);
    EXPECT_TRUE(options.confirmOverwrite);

    const QStringList lines =
        QString::fromStdString(ReadBytes(file)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(33, lines.size());
    EXPECT_EQ(":10000000000102030405060708090A0B0C0D0E0F78", lines.front());
    EXPECT_EQ(":00000001FF", lines.back());
    EXPECT_EQ(device, *EepromHexFile::Read(ReadBytes(file))) << "what eeprom-write takes";

    const std::string noFolder = PathOf("fehlt/grid.eep");
    dialogs->Answer(QString::fromStdString(noFolder));
    Click("Command7");
    ASSERT_EQ(1u, Recorder().Messages().size()) << "a file that cannot be written is reported";
    EXPECT_EQ(0u, Recorder().Messages()[0].text.find("Die Datei '" + noFolder +
                                                     "' konnte nicht geschrieben werden.\r\n"));
    Recorder().Clear();
    EXPECT_FALSE(std::filesystem::exists(noFolder));
}

TEST_F(ServicePagesTest, MeasuredValuesOrFehler) {
    UseGerman();
    R("Eingang", "Skalierung").RangeEnd().setFactor(100);
    sim.SetMeasuredValues({.current = 12345, .scaled = -2550, .converter = 1023});
    Open();
    Click("Command6");
    EXPECT_EQ("12,345", Find<QLabel>("lblMesswert_0")->text());
    EXPECT_EQ("-25,5", Find<QLabel>("lblMesswert_1")->text());
    EXPECT_EQ("1023", Find<QLabel>("lblMesswert_2")->text());
    // The system's fixed-pitch font, whichever the installed fonts make it.
    EXPECT_EQ(QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
              Find<QLabel>("lblMesswert_0")->font().family());

    sim.SetFaults({.silent = true});
    Click("Command6");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ("Fehler", Find<QLabel>("lblMesswert_" + QString::number(i))->text());
    EXPECT_EQ(2, sim.CommandCount('Q'));
    EXPECT_EQ(2, sim.CommandCount('i')) << "still asked after a missing answer";
    EXPECT_EQ(2, sim.CommandCount('q'));
    ExpectCommandsWereOff();
}

TEST_F(ServicePagesTest, ThePortListShowsTheHeldPortInUseAndEachDeviceFile) {
    Open();
    Click("Command5");
    auto* grid = Find<QTableWidget>("grdPorts");
    ASSERT_EQ(16, grid->rowCount()) << "below the header row";
    EXPECT_EQ("Status", grid->horizontalHeaderItem(1)->text());
    EXPECT_EQ("COM1", grid->item(0, 0)->text());
    EXPECT_EQ("Schnittstelle wird bereits verwendet.", grid->item(0, 1)->text());
    EXPECT_EQ("COM16", grid->item(15, 0)->text());
    EXPECT_EQ("Schnittstelle nicht vorhanden.", grid->item(15, 1)->text());
    EXPECT_EQ(QString::fromStdString(sim.SlavePath()), grid->item(0, 0)->toolTip());
    EXPECT_EQ(QString::fromStdString(PathOf("kein-tty16")), grid->item(15, 0)->toolTip());
    EXPECT_EQ(1, app->SerCom().CurrentPort()) << "the application keeps its port";

    app->SerCom().CloseCom(1);
    Click("Command5");
    EXPECT_EQ(16, grid->rowCount());
    EXPECT_EQ("Anschluß vorhanden.", grid->item(0, 1)->text());
}

TEST_F(ServicePagesTest, ACancelledPortScanKeepsTheList) {
    Open();
    pump->action = [this] { ClickCancel(); };
    ClickAnswered("Command5", "Abtasten abgebrochen.\r\nDie Liste ist unverändert.",
                  MsgIcon::Information, "Schnittstellen");
    EXPECT_EQ(0, Find<QTableWidget>("grdPorts")->rowCount());
    ExpectCancelWasOffered();
    ExpectCommandsWereOff();
}

TEST_F(ServicePagesTest, ContrastComesFromTheDeviceAndGoesBackToIt) {
    Open();
    auto* slider = Find<QSlider>("scrollKontrast");
    EXPECT_EQ(0x55, slider->value());
    EXPECT_EQ(0, sim.CommandCount('S')) << "the value read is not sent back";

    slider->setValue(200);
    EXPECT_EQ(Frame({'S', 92, 200}), sim.Received());
    sim.ClearReceived();
    Click("cmdKontrastSpeichern");
    EXPECT_EQ(Frame({'L', 0, 20, 200}), sim.Received());
    EXPECT_EQ(200, sim.Eeprom()[20]);
    ExpectCommandsWereOff();
}

TEST_F(ServicePagesTest, ContrastStaysWithoutADeviceAndNoMessage) {
    Open(false);
    EXPECT_EQ(0, Find<QSlider>("scrollKontrast")->value());
}

TEST_F(ServicePagesTest, UpdateProgressRoundsHalfToEvenAndHides) {
    Open(false);
    // {given, written back, bar shown, its value (when shown)}; above 100 the bar stays put,
    // and 0 or below hides it.
    const std::tuple<double, double, bool, int> steps[] = {
        {49.5, 50, true, 50}, {48.5, 48, true, 48}, {150, 150, true, 48},
        {0, 0, false, 0},     {30, 30, true, 30},   {-3, -3, false, 0}};
    for (const auto& [given, back, shown, value] : steps) {
        double percent = given;
        main->UpdateProgress(percent);
        EXPECT_EQ(back, percent) << given;
        EXPECT_EQ(shown, Bar()->isVisible()) << given;
        if (shown) {
            EXPECT_EQ(value, Bar()->value()) << given;
        }
    }
}

/// Firmware tests: a 512-byte firmware file and the texts of the list.
class FirmwarePageTest : public ServicePagesTest {
protected:
    void SetUp() override {
        ServicePagesTest::SetUp();
        for (std::size_t a = 0; a < firmware.size(); ++a)
            firmware[a] = static_cast<std::uint8_t>(a * 7 + 1);
        firmwareFile = PathOf("fw.hex");
        WriteBytes(firmwareFile, EepromHexFile::Write(firmware));
    }

    QStringList Lines() {
        QStringList lines;
        auto* list = Find<QListWidget>("lstFirmwareActions");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    bool FlashHoldsFirmware() {
        const auto flash = sim.Flash();
        return std::equal(firmware.begin(), firmware.end(), flash.begin());
    }
    void ExpectBackupQuestion(MsgAnswer answer) {
        ExpectQuestion("Eine neue Firmware kann die Belegung des EEPROMs ändern.\r\nSollen die "
                       "EEPROM-Daten des Geräts vorher in einer Datei gesichert werden?",
                       MsgButtons::YesNoCancel, "Firmware-Update", answer);
    }

    EepromHexFile::Image firmware;
    std::string firmwareFile;
};

TEST_F(FirmwarePageTest, WritingOffersTheEepromBackupFirst) {
    Open();
    const std::string backup = PathOf("fw_EEPROM_2026-12-06_14-05-09.eep");
    dialogs->Answer(QString::fromStdString(firmwareFile));
    ExpectBackupQuestion(MsgAnswer::Yes);
    dialogs->Answer(QString::fromStdString(backup));
    Click("Command8");
    VerifyMessages();

    ASSERT_EQ(2u, dialogs->Requests().size());
    const FileDialogOptions& open = dialogs->Requests()[0].options;
    EXPECT_FALSE(dialogs->Requests()[0].save);
    EXPECT_EQ("Firmwaredatei öffnen", open.title);
    EXPECT_EQ("hex", open.defaultSuffix);
    EXPECT_EQ("", open.fileName);
    EXPECT_EQ("Intel Hex Files (*.hex)", open.filter);
    EXPECT_EQ(QString::fromStdString(backup), dialogs->Requests()[1].options.fileName)
        << "beside the firmware, with date and time";
    EXPECT_EQ(device, *EepromHexFile::Read(ReadBytes(backup)));
    EXPECT_TRUE(FlashHoldsFirmware());
    const QStringList lines = Lines();
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ("EEPROM-Daten in Datei '" + QString::fromStdString(backup) + "' gesichert.",
              lines[0]);
    EXPECT_EQ("Datei '" + QString::fromStdString(firmwareFile) + "' geöffnet (512 Bytes).",
              lines[1]);
    EXPECT_EQ("Geräte-Reset durchführen.", lines.back());
    const std::string received = sim.Received();
    EXPECT_LT(received.rfind(Frame({'B', 0xFF})), received.find(Frame({'R', 0})))
        << "the backup is read before the bootloader is called";
    EXPECT_FALSE(Bar()->isVisible());
    EXPECT_TRUE(std::any_of(pump->seen.begin(), pump->seen.end(), [](const Moment& m) {
        return m.bar && m.barValue == 75;
    })) << "block 384 of 512";
    ExpectCommandsWereOff();
}

TEST_F(FirmwarePageTest, NoGoesOnWithoutBackupAndCancelStopsBeforeTheBootloader) {
    Open();
    dialogs->Answer(QString::fromStdString(firmwareFile));
    ExpectBackupQuestion(MsgAnswer::Cancel);
    Click("Command8");
    VerifyMessages();
    EXPECT_EQ("", sim.Received());
    EXPECT_EQ(QStringList{"Firmware-Update abgebrochen, es wurde nichts übertragen."}, Lines());

    dialogs->Answer(QString::fromStdString(firmwareFile));
    ExpectBackupQuestion(MsgAnswer::No);
    Click("Command8");
    VerifyMessages();
    EXPECT_EQ(0, sim.CommandCount('B')) << "no backup read";
    ASSERT_FALSE(pump->seen.empty());
    for (const Moment& m : pump->seen)
        EXPECT_FALSE(m.cancelOffered) << "writing offers no cancel";
    EXPECT_TRUE(FlashHoldsFirmware());
    EXPECT_EQ("Datei '" + QString::fromStdString(firmwareFile) + "' geöffnet (512 Bytes).",
              Lines().front());
    for (const auto& entry : std::filesystem::directory_iterator(Dir()))
        EXPECT_NE(".eep", entry.path().extension()) << "no backup written";
}

TEST_F(FirmwarePageTest, ClosingIsRefusedWithoutHoldingTheTransferStill) {
    sim.SetBaudRate(19200);
    Open();
    dialogs->Answer(QString::fromStdString(firmwareFile));
    ExpectBackupQuestion(MsgAnswer::No);
    bool closed = true;
    pump->action = [this, &closed] { closed = main->close(); };
    Click("Command8");
    VerifyMessages();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(FlashHoldsFirmware()) << "the transfer went on";

    std::vector<int> shownWithRefusal;
    for (const Moment& m : pump->seen) {
        EXPECT_FALSE(m.modal) << "nothing modal above the transfer";
        if (m.refusalShown && m.bar)
            shownWithRefusal.push_back(m.barValue);
    }
    ASSERT_FALSE(shownWithRefusal.empty());
    // Blocks 128 and 256 of 512 done while later blocks were written; the bar is hidden once
    // the last block is done.
    EXPECT_EQ(25, shownWithRefusal.front());
    EXPECT_EQ(50, shownWithRefusal.back()) << "the bar moved while the refusal was shown";
    auto* refusal = Find<QMessageBox>("msgCloseRefused");
    ASSERT_NE(nullptr, refusal);
    EXPECT_EQ("Firmware-Update", refusal->windowTitle());
    EXPECT_EQ("Die Firmware wird gerade ins Gerät übertragen. Dieser Vorgang darf nicht "
              "unterbrochen werden.\r\nDas Programm kann erst danach beendet werden.",
              refusal->text());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->close()) << "afterwards closing ends at once";
}

TEST_F(FirmwarePageTest, ReadingCanBeCancelledAndSavesNothing) {
    Open();
    const std::string file = PathOf("aus-geraet.hex");
    dialogs->Answer(QString::fromStdString(file));
    WhenAsked('s', 100, [this] { ClickCancel(); });
    ClickAnswered("cmdFirmware1",
                  "Firmware sichern abgebrochen.\r\nEs wurde keine Datei geschrieben.",
                  MsgIcon::Information, "Firmware-Update");
    EXPECT_LE(sim.CommandCount('s'), 101) << "stopped at the next byte";
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ("Auslesen abgebrochen, die Datei '" + QString::fromStdString(file) +
                  "' wurde nicht gespeichert.",
              Lines().back());
    ExpectCancelWasOffered();
    ExpectCommandsWereOff();
}

TEST_F(FirmwarePageTest, ReadingSavesTheDeviceFirmware) {
    Open();
    auto flash = sim.Flash();
    std::copy(firmware.begin(), firmware.end(), flash.begin());
    sim.SetFlash(flash);
    const std::string file = PathOf("aus-geraet.hex");
    dialogs->Answer(QString::fromStdString(file));
    Click("cmdFirmware1");
    const FileDialogOptions& options = dialogs->Requests().back().options;
    EXPECT_TRUE(dialogs->Requests().back().save);
    EXPECT_EQ("Firmwaredatei speichern", options.title);
    EXPECT_TRUE(options.confirmOverwrite);
    const QStringList lines = Lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ("Hex-Daten in Datei '" + QString::fromStdString(file) + "' gespeichert.",
              lines.back());
    const QStringList records =
        QString::fromStdString(ReadBytes(file)).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(2048, records.size());
    // Bytes 7a + 1 from address 0; the check sum makes the record's byte sum 0 modulo 256.
    EXPECT_EQ(":1000000001080F161D242B323940474E555C636A98", records.front());
    EXPECT_FALSE(Bar()->isVisible());
    ExpectCommandsWereOff();
}

} // namespace
