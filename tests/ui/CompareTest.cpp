#include "DeviceWindowTest.h"

#include "sim/FactoryImage.h"
#include "support/EnglishTexts.h"
#include "ui/main/CompareMarks.h"

#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>

namespace {

const std::string kAsk = "Mit dem Gerät vergleichen?\r\nJa: das Gerät wird gelesen; die Werte im "
                         "Fenster bleiben.\r\nNein: mit einer Parameterdatei vergleichen.";

/// The main window over a device whose filter is 9 and whose scale unit is the first ("bar"),
/// read into the window at the start.
class CompareTest : public DeviceWindowTest {
protected:
    void SetUp() override {
        DeviceWindowTest::SetUp();
        auto image = FactoryEeprom();
        image[182] = 9; // Filter
        image[195] = 0; // Skaleneinheit
        sim.SetEeprom(image);
        Open();
        RunAnswered("Upload", "Gerät lesen beendet.", MsgIcon::Information);
        watch->seen.clear();
    }

    /// Runs "Vergleichen" against the device, which must read it with these messages.
    void CompareWithDevice(const std::vector<std::pair<std::string, std::string>>& messages) {
        ExpectQuestion(kAsk, MsgButtons::YesNoCancel, "Vergleichen", MsgAnswer::Yes);
        for (const auto& [text, title] : messages)
            ExpectMessage(text, MsgIcon::Information, title);
        Run("Compare");
        VerifyMessages();
    }

    /// The listed differences, one a line; empty when no list is shown.
    std::string Listed() const {
        QStringList lines;
        const auto* list = main->findChild<QListWidget*>("lstDifferences");
        for (int row = 0; list && list->isVisible() && row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines.join('\n').toStdString();
    }

    /// "name=other value" of every marked field, one a line.
    std::string Marked() const {
        QStringList marked;
        for (const QWidget* widget : main->findChildren<QWidget*>())
            if (const QVariant other = widget->property(CompareMarks::kProperty); other.isValid())
                marked << widget->objectName() + "=" + other.toString();
        marked.sort();
        return marked.join('\n').toStdString();
    }

    /// Whether a dash of red lies a few pixels left of the field, along its height.
    static bool RedLeftOf(const QWidget& field) {
        const QImage around = field.parentWidget()->grab().toImage();
        const QRect at = field.geometry();
        for (int y = at.top(); y <= at.bottom(); ++y)
            if (around.pixelColor(at.left() - 3, y) == QColor(200, 0, 0))
                return true;
        return false;
    }

    QString Tip(const char* field) const { return Find<QWidget>(field)->toolTip(); }

    /// The configuration reads in the commissioning record.
    int RecordedReads() const {
        const std::string record = ReadBytes(PathOf("state/NivoConfig/Inbetriebnahme.csv"));
        int reads = 0;
        for (auto at = record.find(",Konfiguration lesen,"); at != std::string::npos;
             at = record.find(",Konfiguration lesen,", at + 1))
            ++reads;
        return reads;
    }
};

TEST_F(CompareTest, ChangedFilterAndUnitAreListedAndMarkedUntilTheNextChange) {
    const int readsBefore = RecordedReads();
    Enter("txtFilter", "3");
    Find<QComboBox>("cmbSUnit")->setCurrentIndex(2); // "m"
    CompareWithDevice({{"Gerät lesen beendet.", ""}});
    ExpectCommandsWereOff(true);
    EXPECT_EQ("Eingang/Skaleneinheit: 2 (m) → 0 (bar)\nEingang/Filter: 3 → 9", Listed());
    EXPECT_EQ("cmbSUnit=0 (bar)\ntxtFilter=9", Marked());
    EXPECT_EQ("0 … 255\nGerät: 9", Tip("txtFilter"));
    app->Notify(); // every refresh shows the note once, the comparison's own too
    EXPECT_EQ("Gerät: 0 (bar)", Tip("cmbSUnit"));
    EXPECT_EQ("3", Text("txtFilter")) << "the window's values stay";
    EXPECT_EQ(2, Find<QComboBox>("cmbSUnit")->currentIndex());
    EXPECT_TRUE(app->Modified()) << "the edits are still to be saved";
    EXPECT_EQ(readsBefore + 1, RecordedReads()) << "the comparison's read is recorded";
    // The frame lies around the field: red just outside it, the field's own look unchanged.
    auto* unit = Find<QComboBox>("cmbSUnit");
    const QImage marked = unit->grab().toImage();
    EXPECT_TRUE(RedLeftOf(*unit));
    EXPECT_EQ("", unit->styleSheet().toStdString() + Find("txtFilter")->styleSheet().toStdString());

    Enter("txtFilter", "4"); // any change ends the marks
    EXPECT_EQ("", Marked());
    EXPECT_EQ("0 … 255", Tip("txtFilter"));
    EXPECT_EQ("", Tip("cmbSUnit"));
    EXPECT_EQ(marked, unit->grab().toImage()) << "the mark changed the field's look";
    EXPECT_FALSE(RedLeftOf(*unit));
}

TEST_F(CompareTest, AnEqualDeviceIsToldAndOnlyAReadOrComparisonThatGoesAheadEndsTheMarks) {
    CompareWithDevice(
        {{"Gerät lesen beendet.", ""},
         {"Keine Unterschiede: Die Werte im Fenster und im Gerät sind gleich.", "Vergleichen"}});
    EXPECT_EQ("", Listed());
    EXPECT_EQ("", Marked());

    // Against a file the values are compared as written: the file holds the filter read. The
    // window's own file stays the one to save to, with its edits unsaved.
    const std::string compared = PathOf("vorher.par"), file = PathOf("tank.par");
    ASSERT_TRUE(app->WriteIni(compared));
    ASSERT_TRUE(app->WriteIni(file));
    Enter("txtFilter", "3");
    ExpectQuestion(kAsk, MsgButtons::YesNoCancel, "Vergleichen", MsgAnswer::No);
    dialogs->Answer(QString::fromStdString(compared));
    Run("Compare");
    VerifyMessages();
    const FileDialogOptions& asked = dialogs->Requests().back().options;
    EXPECT_EQ("Mit Parameterdatei vergleichen|" + file,
              (asked.title + "|" + asked.fileName).toStdString());
    EXPECT_EQ("NivoConfig [" + file + "]*", main->windowTitle().toStdString());
    EXPECT_EQ("Eingang/Filter: 3 → 9", Listed());
    EXPECT_EQ("txtFilter=9", Marked());
    EXPECT_EQ("0 … 255\nDatei: 9", Tip("txtFilter"));
    // Keeping the edits opens or reads nothing, so the marks stay.
    for (const char* command : {"Open", "Upload", "drop"}) {
        ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::Cancel);
        if (command == std::string("drop"))
            main->Commands().OpenParameterFile(QString::fromStdString(file));
        else
            Run(command);
        VerifyMessages();
        EXPECT_EQ("txtFilter=9", Marked()) << command;
    }

    CancelAfter('c', sim.CommandCount('c') + 20);
    CompareWithDevice({{"Gerät lesen abgebrochen.", "Gerät lesen"}});
    ExpectCommandsWereOff(true);
    EXPECT_EQ("", Listed()) << "the earlier list closed";
    EXPECT_EQ("", Marked());
    EXPECT_EQ("3", Text("txtFilter"));
}

TEST_F(CompareTest, InEnglishTheListNamesTheValuesInEnglishAndWrapsLongOnesInTheWindow) {
    const EnglishTexts english;
    const std::string file = PathOf("tank.par");
    ASSERT_TRUE(app->WriteIni(file));
    Enter("txtFilter", "3");
    const QString line(60, 'x'); // a description line as long as the device takes
    Enter("txtDescription_1", line);
    ExpectQuestion("Compare with the device?\r\nYes: the device is read; the values in the window "
                   "stay.\r\nNo: compare with a parameter file.",
                   MsgButtons::YesNoCancel, "Compare", MsgAnswer::No);
    dialogs->Answer(QString::fromStdString(file));
    Run("Compare");
    VerifyMessages();
    EXPECT_EQ("Input/Filter: 3 → 9\nDevice description/Line 2: " + line.toStdString() +
                  " → Beschreibung2",
              Listed());
    auto* list = main->findChild<QListWidget*>("lstDifferences");
    ASSERT_NE(nullptr, list);
    EXPECT_EQ("Eingang/Filter", list->item(0)->toolTip()) << "the command line's path";
    list->window()->resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(0, list->horizontalScrollBar()->maximum()) << "no line wider than the window";
    for (int row = 0; row < list->count(); ++row)
        EXPECT_LE(list->visualItemRect(list->item(row)).right(), list->viewport()->width());
}

} // namespace
