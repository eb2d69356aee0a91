// The window's device commands as a Windows program, against the simulated K417 that serves
// COM1 from outside it (under wine: nivosim on a pseudo-terminal, scripts/wine-session.sh).
// Filter is EEPROM byte 182 (0xB6: row B, column 6 of the grid). The device gets its value back.

#include "../ui/GuiTest.h"

#include "firmware/EepromHexFile.h"

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>

namespace {

class Com1WindowTest : public GuiTest {
protected:
    QTableWidget* Grid() { return Find<QTableWidget>("grdEEPROM"); }
    QString Cell(int address) { return Grid()->item(address / 16, address % 16)->text(); }

    void Read(bool changed) {
        if (changed)
            ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
        RunAnswered("Upload", "Gerät lesen beendet.", MsgIcon::Information);
    }
    void Write(const QString& filter) {
        Enter("txtFilter", filter);
        RunAnswered("Download", "Gerät schreiben beendet.", MsgIcon::Information);
    }
};

TEST_F(Com1WindowTest, AValueWrittenFromItsPageIsInTheGridAndACellWrittenThereIsReadBack) {
    ASSERT_EQ(1, app->Connect());
    OpenMain("123");
    Read(false);
    const QString original = Text("txtFilter");
    ASSERT_NE("7", original) << "the writing must change the device";
    Write("7");

    Find<QTabWidget>("SSTab1")->setCurrentIndex(5);
    Run("Command3");
    EXPECT_EQ("07", Cell(182));
    Grid()->setCurrentCell(182 / 16, 182 % 16);
    Enter("txtEEPROM", "0B");
    EXPECT_EQ("0B", Cell(182));
    RunAnswered("Command4", "Gerät Schreiben beendet.\r\n512 von 512 Zellen ins Gerät geschrieben.",
                MsgIcon::Information, "Internes EEPROM");

    Read(true);
    EXPECT_EQ("11", Text("txtFilter"));
    EXPECT_EQ("COM1", Find<QLabel>("StatusBar1_Panel1")->text());
    Write(original);
}

TEST_F(Com1WindowTest, AFirmwareFileIsWrittenThroughTheBootloader) {
    EepromHexFile::Image firmware;
    for (std::size_t a = 0; a < firmware.size(); ++a)
        firmware[a] = static_cast<std::uint8_t>(a * 7 + 1);
    const std::string file = PathOf("fw.hex");
    WriteBytes(file, EepromHexFile::Write(firmware));
    ASSERT_EQ(1, app->Connect());
    OpenMain("123");
    dialogs->Answer(QString::fromStdString(file));
    ExpectQuestion("Eine neue Firmware kann die Belegung des EEPROMs ändern.\r\nSollen die "
                   "EEPROM-Daten des Geräts vorher in einer Datei gesichert werden?",
                   MsgButtons::YesNoCancel, "Firmware-Update", MsgAnswer::No);
    Run("Command8");
    VerifyMessages();
    auto* list = Find<QListWidget>("lstFirmwareActions");
    ASSERT_GT(list->count(), 1);
    EXPECT_EQ("Datei '" + QString::fromStdString(file) + "' geöffnet (512 Bytes).",
              list->item(0)->text());
    EXPECT_EQ("Geräte-Reset durchführen.", list->item(list->count() - 1)->text());
    EXPECT_NE(
        std::string::npos,
        ReadBytes(PathOf("state/NivoConfig/Inbetriebnahme.csv")).find(",Firmware schreiben,COM1,"));
}

} // namespace
