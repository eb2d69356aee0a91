#include "DeviceWindowTest.h"

#include "base/Sha256.h"
#include "firmware/EepromHexFile.h"
#include "support/Bytes.h"
#include "support/CountingEeprom.h"
#include "support/EnglishTexts.h"

#include <QClipboard>
#include <QListWidget>
#include <QMessageBox>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>

#include <gmock/gmock.h>

namespace {

/// The main window with all service pages over a device whose EEPROM counts up from 30 (hex),
/// but for 0A at 0x10 and the contrast 55 at 20.
class ServicePagesTest : public DeviceWindowTest {
protected:
    void SetUp() override {
        DeviceWindowTest::SetUp();
        device = CountingEeprom(0x30);
        device[0x10] = 0x0A;
        device[20] = 0x55;
        sim.SetEeprom(device);
    }

    void Open(bool connected = true) {
        if (connected) {
            ASSERT_EQ(1, app->Connect());
        }
        DeviceWindowTest::Open("123");
        sim.ClearReceived();
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

    K417Device::EepromImage device;
};

TEST_F(ServicePagesTest, TheEepromGridIsReadShownEditedCopiedWrittenAndExported) {
    Open();
    const std::string file = PathOf("grid.eep");
    const std::string refused = "Die Zelle 0x0 enthält keinen Hexadezimalwert von 0 bis FF.\r\n";
    RunAnswered("Command4", refused + "Es wurde nichts ins Gerät geschrieben.",
                MsgIcon::Exclamation, "Internes EEPROM");
    dialogs->Answer(QString::fromStdString(file));
    RunAnswered("Command7", refused + "Es wurde keine Datei geschrieben.", MsgIcon::Exclamation,
                "Internes EEPROM");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ("", sim.Received()) << "empty cells stop writing and export";

    // A cancelled or partly unanswered read keeps the cells not read.
    SelectCell(0x123);
    Enter("txtEEPROM", "7");
    CancelAfter('c', 100);
    RunAnswered("Command3", "Gerät lesen abgebrochen.\r\nDie Zellen zeigen weiter den alten Text.",
                MsgIcon::Information, "Internes EEPROM");
    EXPECT_EQ("", Cell(0));
    EXPECT_EQ("7", Cell(0x123));
    ExpectCommandsWereOff(true);
    sim.SetFaults({.noAnswerFrom = 256});
    const int answered = sim.CommandCount('c') + 256;
    int skippedFor = 0; // each unanswered request lets its time-out pass at once
    watch->action = [&] {
        if (sim.CommandCount('c') > answered && sim.CommandCount('c') != skippedFor) {
            skippedFor = sim.CommandCount('c');
            clock->skipped += 2.0;
        }
    };
    RunAnswered("Command3",
                "Diese EEPROM-Adressen hat das Gerät nicht beantwortet: 0x100 bis 0x1FF.\r\n"
                "Ihre Zellen zeigen weiter den alten Text.",
                MsgIcon::Exclamation, "Internes EEPROM");
    EXPECT_EQ("0A", Cell(0x10));
    EXPECT_EQ("7", Cell(0x123));
    ExpectCommandsWereOff(true);

    sim.SetFaults({});
    Run("Command3");
    EXPECT_EQ("1F", Grid()->verticalHeaderItem(31)->text());
    SelectCell(0x1AB);
    EXPECT_EQ("0x1AB =", Find<QLabel>("lblEEPROM")->text());
    SelectCell(0x10);
    EXPECT_EQ("0A", Text("txtEEPROM"));
    Enter("txtEEPROM", "1ff");
    EXPECT_EQ("0A", Cell(0x10));
    EXPECT_EQ("'1ff' nicht übernommen: eine Zelle nimmt nur Hexadezimalwerte von 0 bis FF.",
              main->statusBar()->currentMessage());
    Enter("txtEEPROM", "1f");
    EXPECT_EQ("1f", Cell(0x10)) << "taken as typed";
    EXPECT_EQ("", main->statusBar()->currentMessage());

    Grid()->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 2), true);
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ("1f\t41\t42\r\n50\t51\t52", QGuiApplication::clipboard()->text());

    const int marks = sim.CommandCount('B');
    watch->seen.clear();
    RunAnswered("Command4", "Gerät Schreiben beendet.\r\n512 von 512 Zellen ins Gerät geschrieben.",
                MsgIcon::Information, "Internes EEPROM");
    K417Device::EepromImage expected = device;
    expected[0x10] = 0x1F;
    EXPECT_TRUE(sim.Eeprom() == expected) << "exactly the edited byte changed";
    EXPECT_EQ(marks, sim.CommandCount('B')) << "no series marks around the writing";
    ExpectCommandsWereOff(true);
    dialogs->Answer(QString::fromStdString(file));
    Run("Command7");
    EXPECT_EQ("Intel Hex-File speichern.", dialogs->Requests().back().options.title);
    EXPECT_EQ(expected, *EepromHexFile::Read(ReadBytes(file))) << "what eeprom-write takes";

    const int before = sim.CommandCount('L');
    bool pressed = false;
    watch->action = [&] {
        if (!pressed && sim.CommandCount('L') >= before + 10) {
            pressed = true;
            QTest::keyClick(main.get(), Qt::Key_Escape);
            QTest::qWait(150); // the button shows its click before it acts
        }
    };
    Run("Command4");
    ASSERT_EQ(1u, Recorder().Messages().size());
    EXPECT_EQ(0u, Recorder().Messages()[0].text.find("Gerät Schreiben abgebrochen.\r\n"))
        << "Esc stops the writing";
    Recorder().Clear();

    // Both writes are in the record: the window's, with all 512 bytes of the grid.
    const std::string record = ReadBytes(PathOf("state/NivoConfig/Inbetriebnahme.csv"));
    using ::testing::HasSubstr;
    EXPECT_THAT(record, HasSubstr(",NivoConfig,EEPROM schreiben,COM1,"));
    EXPECT_THAT(record, HasSubstr("," + Sha256Hex(std::string(expected.begin(), expected.end())) +
                                  ",OK,\"Gerät Schreiben beendet.\r\n512 von 512 Zellen ins Gerät "
                                  "geschrieben.\"\r\n"));
    EXPECT_THAT(record, HasSubstr(",Fehler,\"Gerät Schreiben abgebrochen.\r\n"));
}

TEST_F(ServicePagesTest, InEnglishTheEepromTextsNameTheCellTheEntryAndTheCountOfCells) {
    const EnglishTexts english;
    Open();
    RunAnswered("Command4",
                "Cell 0x0 does not hold a hexadecimal value from 0 to FF.\r\n"
                "Nothing was written to the device.",
                MsgIcon::Exclamation, "Internal EEPROM");
    Run("Command3");
    SelectCell(0x10);
    Enter("txtEEPROM", "1ff");
    EXPECT_EQ("'1ff' not taken: a cell only takes hexadecimal values from 0 to FF.",
              main->statusBar()->currentMessage());
    RunAnswered("Command4",
                "Writing the device finished.\r\n512 of 512 cells written to the device.",
                MsgIcon::Information, "Internal EEPROM");
}

TEST_F(ServicePagesTest, ThePortListShowsTheHeldPortInUseAndACancelledScanKeepsTheList) {
    Open();
    auto* grid = Find<QTableWidget>("grdPorts");
    Run("Command5");
    ASSERT_EQ(16, grid->rowCount()) << "below the header row";
    const auto state = [grid](int row) {
        return grid->item(row, 1) ? grid->item(row, 1)->text() : "";
    };
    EXPECT_EQ("Schnittstelle wird bereits verwendet (von diesem Programm).", state(0));
    EXPECT_EQ("Schnittstelle nicht vorhanden.", state(15)) << "every port is scanned";
    EXPECT_EQ(1, app->SerCom().CurrentPort()) << "the application keeps its port";

    CancelAfter('I', 0);
    RunAnswered("Command5", "Abtasten abgebrochen.\r\nDie Liste ist unverändert.",
                MsgIcon::Information, "Schnittstellen");
    EXPECT_EQ(16, grid->rowCount());
    ExpectCommandsWereOff(true);
}

TEST_F(ServicePagesTest, ContrastComesFromTheDeviceAndGoesBackAndMeasuredValuesOrFehlerShow) {
    R("Eingang", "Skalierung").RangeEnd().setFactor(100);
    sim.SetMeasuredValues({.current = 12345, .scaled = -2550, .converter = 1023});
    Open();
    auto* slider = Find<QSlider>("scrollKontrast");
    EXPECT_EQ(0x55, slider->value());
    EXPECT_EQ(0, sim.CommandCount('S')) << "the value read is not sent back";
    slider->setValue(200);
    EXPECT_EQ(Bytes({'S', 92, 200}), sim.Received());
    sim.ClearReceived();
    Run("cmdKontrastSpeichern");
    EXPECT_EQ(Bytes({'L', 0, 20, 200}), sim.Received());
    EXPECT_EQ(200, sim.Eeprom()[20]);
    ExpectCommandsWereOff();

    Run("Command6");
    EXPECT_EQ("12,345", Find<QLabel>("lblMesswert_0")->text());
    EXPECT_EQ("-25,5", Find<QLabel>("lblMesswert_1")->text());
    EXPECT_EQ("1023", Find<QLabel>("lblMesswert_2")->text());
    sim.SetFaults({.silent = true});
    Run("Command6");
    for (const QString i : {"0", "1", "2"})
        EXPECT_EQ("Fehler", Find<QLabel>("lblMesswert_" + i)->text());
    ExpectCommandsWereOff();
}

TEST_F(ServicePagesTest, WithoutADeviceTheContrastStaysAndTheBarRoundsHalfToEven) {
    Open(false);
    EXPECT_EQ(0, Find<QSlider>("scrollKontrast")->value()) << "and no message";
    // {given, written back, bar shown, its value (when shown)}; above 100 the bar stays put,
    // and 0 or below hides it.
    const std::tuple<double, double, bool, int> steps[] = {
        {49.5, 50, true, 50}, {48.5, 48, true, 48}, {150, 150, true, 48},
        {0, 0, false, 0},     {30, 30, true, 30},   {-3, -3, false, 0}};
    auto* bar = Find<QProgressBar>("ProgressBar1");
    for (const auto& [given, back, shown, value] : steps) {
        double percent = given;
        main->UpdateProgress(percent);
        EXPECT_EQ(back, percent) << given;
        EXPECT_EQ(shown, bar->isVisible()) << given;
        if (shown) {
            EXPECT_EQ(value, bar->value()) << given;
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
    /// Clicks "Firmware schreiben" on the file, answering the question about a backup and where.
    void WriteFirmware(MsgAnswer backup, const std::string& backupFile = "") {
        dialogs->Answer(QString::fromStdString(firmwareFile));
        if (!backupFile.empty())
            dialogs->Answer(QString::fromStdString(backupFile));
        ExpectQuestion("Eine neue Firmware kann die Belegung des EEPROMs ändern.\r\nSollen die "
                       "EEPROM-Daten des Geräts vorher in einer Datei gesichert werden?",
                       MsgButtons::YesNoCancel, "Firmware-Update", backup);
        Run("Command8");
        VerifyMessages();
    }
    QString Opened() {
        return "Datei '" + QString::fromStdString(firmwareFile) + "' geöffnet (512 Bytes).";
    }

    EepromHexFile::Image firmware;
    std::string firmwareFile;
};

TEST_F(FirmwarePageTest, ReadingSavesAFileOrNoneAndWritingOffersABackupAndCannotBeInterrupted) {
    Open();
    const std::string file = PathOf("aus-geraet.hex");
    dialogs->Answer(QString::fromStdString(file));
    CancelAfter('s', 100);
    RunAnswered("cmdFirmware1",
                "Firmware sichern abgebrochen.\r\nEs wurde keine Datei geschrieben.",
                MsgIcon::Information, "Firmware-Update");
    ExpectCommandsWereOff(true);
    dialogs->Answer(QString::fromStdString(file));
    Run("cmdFirmware1");
    EXPECT_EQ("Firmwaredatei speichern", dialogs->Requests().back().options.title);
    EXPECT_EQ("Intel-HEX-Dateien (*.hex)", dialogs->Requests().back().options.filter)
        << "in the desktop's language";
    EXPECT_EQ("Hex-Daten in Datei '" + QString::fromStdString(file) + "' gespeichert.",
              Lines().back());
    EXPECT_TRUE(std::filesystem::exists(file));
    ExpectCommandsWereOff(true);

    sim.ClearReceived();
    WriteFirmware(MsgAnswer::Cancel);
    EXPECT_EQ("", sim.Received());
    EXPECT_EQ(QStringList{"Firmware-Update abgebrochen, es wurde nichts übertragen."}, Lines());

    const std::string backup = PathOf("fw_EEPROM_2026-12-06_14-05-09.eep");
    WriteFirmware(MsgAnswer::Yes, backup);
    EXPECT_EQ(QString::fromStdString(backup), dialogs->Requests().back().options.fileName)
        << "beside the firmware, with date and time";
    EXPECT_EQ(device, *EepromHexFile::Read(ReadBytes(backup)));
    const auto flash = sim.Flash();
    EXPECT_TRUE(std::equal(firmware.begin(), firmware.end(), flash.begin()));
    EXPECT_THAT(ReadBytes(PathOf("state/NivoConfig/Inbetriebnahme.csv")),
                ::testing::HasSubstr(",Firmware schreiben,COM1," + sim.SlavePath() +
                                     ",NIVOLANTIS K417 V2.1,7," + firmwareFile + "," +
                                     Sha256Hex(std::string(firmware.begin(), firmware.end())) +
                                     ",OK,"))
        << "four whole blocks: the image is the file";
    const QStringList lines = Lines();
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ("EEPROM-Daten in Datei '" + QString::fromStdString(backup) + "' gesichert.",
              lines[0]);
    EXPECT_EQ(Opened(), lines[1]);
    EXPECT_EQ("Geräte-Reset durchführen.", lines.back());
    ExpectCommandsWereOff(false); // writing offers no cancel

    sim.SetBaudRate(19200);
    const int marks = sim.CommandCount('B');
    bool closed = true, tried = false, modal = false, refused = false;
    watch->action = [&] {
        if (!std::exchange(tried, true))
            closed = main->close();
        auto* refusal = main->findChild<QMessageBox*>("msgCloseRefused");
        refused = refused || (refusal && refusal->isVisible());
        modal = modal || QApplication::activeModalWidget();
    };
    WriteFirmware(MsgAnswer::No);
    EXPECT_FALSE(closed);
    EXPECT_EQ(marks, sim.CommandCount('B')) << "no backup read";
    EXPECT_EQ(Opened(), Lines().front());
    EXPECT_TRUE(refused) << "the box saying why was shown while the transfer went on";
    EXPECT_FALSE(modal) << "nothing modal above the transfer";
    auto* refusal = Find<QMessageBox>("msgCloseRefused");
    ASSERT_NE(nullptr, refusal);
    EXPECT_EQ("Firmware-Update", refusal->windowTitle());
    EXPECT_EQ("Die Firmware wird gerade ins Gerät übertragen. Dieser Vorgang darf nicht "
              "unterbrochen werden.\r\nDas Programm kann erst danach beendet werden.",
              refusal->text());
    EXPECT_TRUE(main->close()) << "afterwards closing ends at once";
}

} // namespace
