#include "GuiTest.h"

#include "ui/main/XYPlot.h"
#include "ui/service/frmSplash.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStyle>
#ifndef _WIN32
#include <QSvgRenderer>
#endif
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>

#include <cmath>
#include <filesystem>
#include <functional>

namespace {

class MainWindowTest : public GuiTest {
protected:
    void AskToSave(MsgAnswer answer) {
        ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", answer);
    }
    QString Tip(const char* field) { return Find(field)->toolTip(); }
    void Choose(const char* list, int index) { Find<QComboBox>(list)->setCurrentIndex(index); }
};

TEST_F(MainWindowTest, FieldsTellTheirLimitsTakeReformatOrRefuseEntriesAndShowVoltsAsHalf) {
    OpenMain();
    EXPECT_EQ("0 … 255 s", Tip("txtDelay_3"));
    EXPECT_EQ("0,00 … 20,00 mA", Tip("txtOutEnd"));
    EXPECT_EQ("0,00 … 21,00 mA", Tip("txtOutOnError"));
    Find<QRadioButton>("optOutSignal_1")->click(); // the output in volts: half the current
    EXPECT_EQ("10,00", Text("txtOutEnd"));
    EXPECT_EQ("0,00 … 10,00 V", Tip("txtOutEnd"));
    EXPECT_EQ("0,00 … 10,50 V", Tip("txtOutOnError"));
    struct Entry {
        const char* field;
        QString typed, shown;
        std::string message; ///< the box refusing the entry
        std::function<bool()> stored;
    };
    const Entry entries[] = {
        {"txtInBegin", "5", "5,00", "",
         [this] { return R("Eingang", "Messbereich").GetRangeBegin() == 5; }},
        {"txtFilter", "300", "2", "Filter '300' ausserhalb 0..255",
         [this] { return P("Eingang", "Filter").Value() == 2; }},
        {"txtBenutzername", "", "Benutzername", "",
         [this] { return app->Benutzername() == "Benutzername"; }},
        {"txtParametrierdatum", "01.02.2025", "01.02.2025 00:00:00", "",
         [this] { return app->Parametrierdatum() == DateTime{2025, 2, 1, 0, 0, 0}; }},
        {"txtParametrierdatum", "kein Datum", "01.02.2025 00:00:00", "",
         [this] { return app->Parametrierdatum() == DateTime{2025, 2, 1, 0, 0, 0}; }},
        {"txtDescription_4", "Becken 7", "Becken 7", "",
         [this] { return app->GetDescription(4) == "Becken 7"; }},
        {"txtOutEnd", "5", "5,00", "",
         [this] { return R("Ausgang", "Stellbereich").GetRangeEnd() == 10; }},
        {"txtOutEnd", "abc", "abc", "", // no number: nothing stored, no message, text stays
         [this] { return R("Ausgang", "Stellbereich").GetRangeEnd() == 10; }},
    };
    for (const Entry& e : entries) { // leaving a field commits it again: no second box
        SCOPED_TRACE(e.field + (" " + e.typed).toStdString());
        if (!e.message.empty())
            ExpectMessage(e.message, MsgIcon::Information, "Eingabefehler");
        Enter(e.field, e.typed);
        VerifyMessages();
        EXPECT_EQ(e.shown, Text(e.field));
        EXPECT_TRUE(e.stored());
    }
    EXPECT_EQ("Becken 7", Text("txtAnlagenkennzeichen"));
    Find<QRadioButton>("optOutSignal_0")->click();
    EXPECT_EQ("10,00", Text("txtOutEnd")) << "5 V entered are 10 mA";

    Find("txtFilter")->setFocus();
    Find("txtFilter")->setText("9");
    Find("txtInEnd")->setFocus(); // leaving a field takes what was typed
    EXPECT_EQ(9.0f, P("Eingang", "Filter").Value());
    auto* password = Find<QCheckBox>("chkPWAktiv");
    EXPECT_FALSE(password->isChecked()) << "off by default";
    P("Sonstiges", "PasswortAktiv").setValue(1.0);
    EXPECT_TRUE(password->isChecked());
}

TEST_F(MainWindowTest, ScaleFieldsFollowTheCommaPositionWhichCutsWhatNoLongerFitsAndTheUnit) {
    OpenMain();
    Choose("cmbSComma", 2);
    Enter("txtSEnd", "12,5");
    EXPECT_EQ("012,50", Text("txtSEnd"));
    EXPECT_EQ("Skalenbereich: 000,00..012,50 bar",
              main->findChild<QLabel*>("StatusBar1_Panel2")->text());
    Choose("cmbSComma", 0);
    EXPECT_EQ("00013", Text("txtSEnd"));

    Choose("cmbSComma", 2);
    Enter("txtSEnd", "250");
    EXPECT_EQ("000,00 … 250,00 bar", Tip("txtUL_0")) << "limits follow the scaling";
    Enter("txtUL_0", "200");
    // Four decimals allow at most 9,9999: the scaling end and the switch point are cut to it.
    Choose("cmbSComma", 4);
    EXPECT_EQ("9,9999", Text("txtSEnd"));
    EXPECT_EQ("9,9999", Text("txtUL_0"));
    Find("txtSEnd")->setFocus(); // tabbing through takes what is shown: no refusal
    Find("txtSBegin")->setFocus();
    EXPECT_EQ(9.9999f, R("Grenzwerte", "Grenzwert1").GetRangeEnd());

    Choose("cmbSUnit", 2); // a new unit reaches every label
    for (int i = 0; i <= 12; ++i)
        EXPECT_EQ("m", Find<QLabel>("lblUnit_" + QString::number(i))->text()) << i;
}

TEST_F(MainWindowTest, VariantDisablesWhatTheDeviceLacks) {
    OpenMain();
    for (const char* list : {"cmbLimitFunction_1", "cmbLimitFunction_2", "cmbLimitFunction_3"})
        Choose(list, 0);
    // {variant, controls on, controls off}
    const std::tuple<int, std::vector<const char*>, std::vector<const char*>> variants[] = {
        {0, {"txtUL_0"}, {"cmbPumpSwap_0", "fraTrend", "fraLimit_2", "txtLL_3"}},
        {7, {"cmbPumpSwap_0", "txtTrendDeltaRise", "txtLL_3"}, {}},
        {1, {"fraLimit_2", "cmbOnError_3"}, {"cmbPumpSwap_2", "fraTrend"}},
    };
    for (const auto& [variant, on, off] : variants) {
        app->setHardwareVariante(variant);
        for (const char* name : on)
            EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << variant << name;
        for (const char* name : off)
            EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << variant << name;
    }
    // Pump alternation and the trend functions are greyed out in the lists.
    const auto offered = [this](const char* list) {
        auto* entries = qobject_cast<QStandardItemModel*>(Find<QComboBox>(list)->model());
        std::vector<bool> flags;
        for (int i = 0; i < entries->rowCount(); ++i)
            flags.push_back(entries->item(i)->isEnabled());
        return flags;
    };
    EXPECT_EQ((std::vector<bool>{true, true, false, false, false}), offered("cmbLimitFunction_3"));
    EXPECT_EQ((std::vector<bool>{true, false}), offered("cmbPumpSwap_1"));
    auto* functionA = Find<QComboBox>("cmbLimitFunction_0");
    functionA->setFocus();
    QTest::keyClick(functionA, Qt::Key_Down); // no message: "Pumpentausch*" cannot be reached
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion A").Value());
}

TEST_F(MainWindowTest, CommandLineDigitsShowServiceTabsAndEndedWindowsHearNoMoreChanges) {
    auto visible = [this](const QString& commandLine) {
        frmMain window(*app, commandLine);
        auto* tabs = window.findChild<QTabWidget*>("SSTab1");
        QString shown;
        for (int i = 0; i < tabs->count(); ++i)
            shown += tabs->isTabVisible(i) ? "1" : "0";
        return shown;
    };
    EXPECT_EQ("11111000", visible(""));
    EXPECT_EQ("11111111", visible("x3 -2a 1"));
    EXPECT_TRUE(app->Views().empty());
    P("Eingang", "Filter").setValue(7.0); // would reach a freed window
}

TEST_F(MainWindowTest, ToolbarImagesAreTheProgramsOwnAndTheEepromGridFillsItsFrame) {
    OpenMain("1");
    // Every button shows the image of its key, drawn from the program's SVG whatever the
    // desktop's theme: "Exit" for "End", "New" for "Standard"; sharp at 150 % too.
    for (QAction* action : Find<QToolBar>("Toolbar1")->actions()) {
        const QString key = action->property("key").toString();
        const QString name = key == "End" ? "Exit" : key == "Standard" ? "New" : key;
        EXPECT_TRUE(action->icon().availableSizes().contains(QSize(36, 36))) << name.toStdString();
#ifndef _WIN32 // the Windows build has no SVG support to draw the expected image with
        QSvgRenderer drawing(NIVO_ICONS "/" + name + ".svg");
        ASSERT_TRUE(drawing.isValid()) << name.toStdString();
        QImage expected(32, 32, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        drawing.render(&painter);
        painter.end();
        EXPECT_EQ(expected, action->icon().pixmap(32, 32).toImage().convertToFormat(
                                QImage::Format_ARGB32_Premultiplied))
            << name.toStdString();
#endif
    }

    main->resize(1400, 800);
    main->PageTabs()->setCurrentIndex(5);
    QApplication::processEvents();
    const auto* grid = Find<QTableWidget>("grdEEPROM");
    EXPECT_GE(grid->horizontalHeader()->length(), grid->viewport()->width() - 1)
        << "the 16 columns fill the grid's width";
    EXPECT_GE(grid->width(), Find<QGroupBox>("fraEEPROM")->contentsRect().width() - 30)
        << "the grid fills its frame's width";
}

TEST_F(MainWindowTest, SupportPointGridFollowsCountAndCurrentRow) {
    OpenMain();
    auto* grid = Find<QTableWidget>("grdXY");
    EXPECT_FALSE(Find<QGroupBox>("frmStützpunkte")->isEnabled()) << "no table input selected";
    Find<QRadioButton>("optLinart_1")->click();
    ASSERT_TRUE(Find<QGroupBox>("frmStützpunkte")->isEnabled());

    Enter("txtStützpunkte", "5");
    ASSERT_EQ(5, grid->rowCount());
    EXPECT_EQ(5, Find<XYPlot>("plotXY")->Points().size()) << "the plot follows the table";
    EXPECT_EQ("6,78", grid->item(4, 0)->text()) << "4 + 16 * 4/23 = 6.7826 cut down";
    EXPECT_EQ("0,1739", grid->item(4, 1)->text()) << "4/23 in the pattern 0.0000";
    // The axes are labelled at round values: X 4 to 6.78 mA, Y 0 to 0.1739 (not "0,173913").
    const auto near = [](const QVector<double>& ticks, const QVector<double>& expected) {
        bool same = ticks.size() == expected.size();
        for (qsizetype i = 0; same && i < ticks.size(); ++i)
            same = std::abs(ticks[i] - expected[i]) < 1e-12;
        return same;
    };
    const XYPlot* plot = Find<XYPlot>("plotXY");
    EXPECT_TRUE(near(plot->Ticks(Qt::Horizontal), {4, 5, 6}));
    EXPECT_TRUE(near(plot->Ticks(Qt::Vertical), {0, 0.05, 0.1, 0.15}));

    Enter("txtStützpunkte", "24");
    P("Linearisierung", "X3").setValue(12.345);
    const QRect cell = grid->visualItemRect(grid->item(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ("3 von 24", Find<QLabel>("lblXYPointNr")->text());
    EXPECT_EQ("12,34", Text("txtX"));
    EXPECT_EQ("0,0870", Text("txtY")) << "2/23";
    Find("txtX")->setFocus();
    Find("txtY")->setFocus(); // leaving txtX unedited stores nothing: the text is shortened
    EXPECT_EQ(12.345f, P("Linearisierung", "X3").Value());

    grid->setCurrentCell(9, 0);
    Enter("txtStützpunkte", "5");
    EXPECT_EQ(4, grid->currentRow()) << "the current row stays inside the table";
    EXPECT_EQ("5 von 5", Find<QLabel>("lblXYPointNr")->text());
    // The row numbers keep one width that fits the highest one in bold, also after the count
    // went down.
    QHeaderView* numbers = grid->verticalHeader();
    QFont bold = numbers->font();
    bold.setBold(true);
    const int margins =
        2 * numbers->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, numbers);
    main->PageTabs()->setCurrentIndex(2);
    const int width = numbers->width();
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance("24") + margins);
    Enter("txtStützpunkte", "24");
    QApplication::processEvents();
    EXPECT_EQ(width, numbers->width());
}

TEST_F(MainWindowTest, PasteTakesA24PointTableInTheGridOnlyAndNoneWithFewerPoints) {
    UseEnglish(); // a comma is still a decimal separator in a pasted table
    OpenMain();
    Find<QRadioButton>("optLinart_1")->click();
    auto* grid = Find<QTableWidget>("grdXY");
    // 24 rows "X<TAB>Y" with X = 4 + n/2 and Y = n/100 (n from 0), points and commas mixed.
    QString table;
    for (int n = 0; n < 24; ++n)
        table += QString("%1\t0%2%3\r\n")
                     .arg(4 + n * 0.5)
                     .arg(n % 2 ? "," : ".")
                     .arg(n, 2, 10, QChar('0'));
    QGuiApplication::clipboard()->setText(table);
    const auto paste = [](QWidget* target) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    };
    paste(Find<QRadioButton>("optLinart_1"));
    Enter("txtStützpunkte", "5");
    ExpectMessage("Die Tabelle braucht 24 Stützpunkte; eingestellt sind 5.", MsgIcon::None);
    paste(grid);
    VerifyMessages();
    EXPECT_FLOAT_EQ(4 + 16.0f / 23, P("Linearisierung", "X2").Value()) << "no table pasted";
    EXPECT_TRUE(app->EnableNotify());

    Enter("txtStützpunkte", "24");
    paste(grid);
    EXPECT_FLOAT_EQ(4.5f, P("Linearisierung", "X2").Value());
    EXPECT_FLOAT_EQ(0.01f, P("Linearisierung", "Y2").Value()) << "a comma row";
    EXPECT_EQ("15.50", grid->item(23, 0)->text());
    EXPECT_EQ("0.2300", grid->item(23, 1)->text());
}

TEST_F(MainWindowTest, SaveRefusedByTheModelCheckLeavesTheDiskUntouched) {
    OpenMain();
    R("Eingang", "Sondenstörung").SetRangeBegin(10.0);
    R("Eingang", "Sondenstörung").SetRangeEnd(5.0);
    app->setEnableTestData(false); // as a loaded file leaves a value beyond its limits
    P("Eingang", "Filter").setValue(300.0);
    ExpectMessage("Sondenstörung.Anfang > Sondenstörung.Ende.\r\nBitte den Anfangs- oder den "
                  "Endwert korrigieren.\r\nFilter '300' ausserhalb 0..255",
                  MsgIcon::Critical, "Eingabe- und Bereichsfehler");
    ExpectMessage("Parameter fehlerhaft.\r\nDie Daten können nicht gespeichert werden.",
                  MsgIcon::Information);
    Run("Save");
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(Dir()), {}))
        << "only NivoConfig.ini";
}

TEST_F(MainWindowTest, UnsavedEditsAreMarkedAndGoOnlyWhenTheUserLetsThemAlsoByShortcut) {
    OpenMain();
    EXPECT_EQ("Keine Verbindung", main->findChild<QLabel*>("StatusBar1_Panel1")->text());
    EXPECT_EQ("NivoConfig []", main->windowTitle());
    Enter("txtFilter", "9");
    EXPECT_EQ("NivoConfig []*", main->windowTitle());
    Enter("txtFilter", "2");
    EXPECT_EQ("NivoConfig []", main->windowTitle()) << "back to the state at start";
    Find("txtDescription_0")->setFocus();
    Find("txtDescription_0")->setText("Tank 3"); // typed, not committed: a command commits it

    // "Abbrechen" keeps the edits and does nothing else; values read would replace them too.
    for (const char* command : {"Standard", "Open", "Upload"}) {
        AskToSave(MsgAnswer::Cancel);
        Run(command);
    }
    AskToSave(MsgAnswer::Cancel);
    main->close();
    VerifyMessages();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(dialogs->Requests().empty());
    EXPECT_EQ("Tank 3", app->GetDescription(0));
    EXPECT_EQ("NivoConfig []*", main->windowTitle());

    AskToSave(MsgAnswer::Yes); // "Ja" saves first and goes on only when something was saved
    dialogs->Answer(std::nullopt);
    Run("Standard");
    EXPECT_EQ("Tank 3", app->GetDescription(0));
    const QString file = QString::fromStdString(PathOf("tank.par"));
    AskToSave(MsgAnswer::Yes);
    dialogs->Answer(file);
    Run("Standard");
    const auto& save = dialogs->Requests().back();
    EXPECT_TRUE(save.options.confirmOverwrite);
    EXPECT_NE(std::string::npos, ReadBytes(PathOf("tank.par")).find("Zeile1=Tank 3"));
    EXPECT_EQ("Beschreibung1", Text("txtDescription_0"));
    EXPECT_EQ("NivoConfig [" + file + "]*", main->windowTitle()) << "the defaults are no file";

    AskToSave(MsgAnswer::No); // "Nein" throws the edits away; Alt+Ö is "Öffnen"
    dialogs->Answer(file);
    QTest::keyClick(main.get(), Qt::Key_Odiaeresis, Qt::AltModifier); // clicked after an animation
    EXPECT_TRUE(QTest::qWaitFor([this] { return Text("txtDescription_0") == "Tank 3"; }, 2000));
    EXPECT_EQ("NivoConfig [" + file + "]", main->windowTitle());
    Find("txtBenutzername")->setFocus();
    Find("txtBenutzername")->setText("Huber"); // typed only: closing the window asks about it too
    AskToSave(MsgAnswer::Cancel);
    main->close();
    VerifyMessages();
    AskToSave(MsgAnswer::No);
    QTest::keyClick(main.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !main->isVisible(); }, 2000)) << "Ctrl+Q ends";
}

TEST_F(MainWindowTest, SplashShowsTheAddressBlockAndInfoTakesTheFocusUntilAKey) {
    WriteBytes(PathOf("NivoConfig.ini"), "[Firma]\r\nName=Pegel AG\r\nOrt=Talheim\r\n");
    frmSplash splash;
    splash.Fill(SettingsFiles::ForUser());
    auto label = [&splash](const char* name) { return splash.findChild<QLabel*>(name)->text(); };
    EXPECT_EQ("Pegel AG\n\nTalheim\n\n\n\n", label("lblCompany")) << "missing keys: empty lines";
    splash.ShowDeviceVersion(app->FirmwareID()); // once the application object exists
    EXPECT_EQ("Geräteversion:\n'K417 V2.1'", label("lblStatus"));
    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(splash.isVisible()) << "a click on the background closes it";

    OpenMain();
    Run("Info");
    QPointer<frmSplash> info = main->findChild<frmSplash*>();
    ASSERT_TRUE(info);
    EXPECT_TRUE(QTest::qWaitFor([&info] { return QApplication::focusWidget() == info.data(); }))
        << "it has the keyboard";
    EXPECT_EQ(main.get(), info->parentWidget()) << "kept above the main window";
    EXPECT_TRUE(info->windowFlags().testFlag(Qt::Dialog)) << "a framed window";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    EXPECT_TRUE(!info || !info->isVisible());
}

} // namespace
