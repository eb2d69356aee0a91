// The window's device commands as a Windows program, against the simulated K417 that serves
// COM1 from outside it (under wine: nivosim on a pseudo-terminal, scripts/wine-session.sh).
// Filter is EEPROM byte 182 (0xB6: row B, column 6 of the grid). The device gets its value back.

#include "../ui/GuiTest.h"

#include <QLabel>
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

} // namespace
