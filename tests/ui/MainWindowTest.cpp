#include "GuiTest.h"

#include "ui/main/XYPlot.h"
#include "ui/service/frmSplash.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>
#include <functional>

namespace {

using MainWindowTest = GuiTest;

TEST_F(MainWindowTest, EntriesAreTakenReformattedOrRefusedAndRestored) {
    OpenMain();
    Enter("txtInBegin", "5");
    EXPECT_EQ(5.0f, R("Eingang", "Messbereich").GetRangeBegin());
    EXPECT_EQ("5,00", Text("txtInBegin"));
    Enter("txtInBegin", "4");
    EXPECT_EQ("4,00", Text("txtInBegin"));

    ExpectMessage("Filter '300' ausserhalb 0..255", MsgIcon::Information, "Eingabefehler");
    Enter("txtFilter", "300");
    EXPECT_EQ("2", Text("txtFilter"));
    EXPECT_EQ(2.0f, P("Eingang", "Filter").Value());
    VerifyMessages();
    Find("txtInEnd")->setFocus(); // leaving commits the restored text: no second box
    EXPECT_EQ(2.0f, P("Eingang", "Filter").Value());
    EXPECT_TRUE(Recorder().Messages().empty());

    Enter("txtBenutzername", "");
    EXPECT_EQ("Benutzername", Text("txtBenutzername")) << "an empty name is ignored";
    Enter("txtParametrierdatum", "01.02.2025");
    EXPECT_EQ((DateTime{2025, 2, 1, 0, 0, 0}), app->Parametrierdatum());
    const QString date = Text("txtParametrierdatum");
    Enter("txtParametrierdatum", "kein Datum");
    EXPECT_EQ(date, Text("txtParametrierdatum")) << "no date: the previous one stays";
    Enter("txtDescription_4", "Becken 7");
    EXPECT_EQ("Becken 7", Text("txtAnlagenkennzeichen"));
    EXPECT_EQ("Becken 7", app->GetDescription(4));
}

TEST_F(MainWindowTest, VoltViewShowsAndTakesHalfTheCurrent) {
    OpenMain();
    Find<QRadioButton>("optOutSignal_1")->click();
    EXPECT_EQ("2,00", Text("txtOutBegin"));
    EXPECT_EQ("10,00", Text("txtOutEnd"));
    EXPECT_EQ("V", Find<QLabel>("lblOutUnit_1")->text());

    Enter("txtOutEnd", "5");
    EXPECT_EQ(10.0f, R("Ausgang", "Stellbereich").GetRangeEnd());
    EXPECT_EQ("5,00", Text("txtOutEnd"));
    Enter("txtOutEnd", "abc"); // no number: nothing stored, no message, text stays
    EXPECT_EQ(10.0f, R("Ausgang", "Stellbereich").GetRangeEnd());
    EXPECT_EQ("abc", Text("txtOutEnd"));

    Find<QRadioButton>("optOutSignal_0")->click();
    EXPECT_EQ("10,00", Text("txtOutEnd"));
}

TEST_F(MainWindowTest, ValueFieldsTellTheirLimits) {
    OpenMain();
    EXPECT_EQ("0 … 255", Find("txtFilter")->toolTip());
    EXPECT_EQ("0 … 255 s", Find("txtDelay_3")->toolTip());
    EXPECT_EQ("0,00 … 20,00 mA", Find("txtOutEnd")->toolTip());
    Find<QRadioButton>("optOutSignal_1")->click();
    EXPECT_EQ("0,00 … 10,00 V", Find("txtOutEnd")->toolTip());
    EXPECT_EQ("", Find("txtBenutzername")->toolTip());
}

TEST_F(MainWindowTest, TabWalksEachPageTopToBottomLeftToRight) {
    OpenMain();
    Find<QRadioButton>("optLinart_1")->click(); // the table editor takes part
    QStringList limits;
    for (const QString n : {"0", "1", "2", "3"})
        limits << "cmbLimitFunction_" + n << "txtUL_" + n << "txtLL_" + n << "cmbPumpSwap_" + n
               << "cmbRelayFunction_" + n << "cmbOnError_" + n << "txtDelay_" + n;
    const QStringList pages[] = {
        {"txtInBegin", "txtInEnd", "txtStörungBegin", "txtStörungEnd", "optOutSignal_0",
         "txtOutBegin", "txtOutEnd", "txtOutOnError", "txtFilter", "txtSBegin", "txtSEnd",
         "cmbSUnit", "cmbSComma"},
        limits,
        {"optLinart_1", "txtStützpunkte", "grdXY", "txtX", "txtY"},
        {"scrollKontrast", "cmdKontrastSpeichern", "txtTrendDeltaRise", "txtTrendDeltaFall",
         "txtTrendIntervall", "txtSimBegin", "txtSimEnd", "txtSimStep", "txtSimTimeStep",
         "cmbSimModus", "txtPWNew", "chkPWAktiv"},
        {"txtParametrierdatum", "txtBenutzername", "txtDescription_0", "txtDescription_1",
         "txtDescription_2", "txtDescription_3", "txtDescription_4"},
    };
    auto* tabs = Find<QTabWidget>("SSTab1");
    for (int page = 0; page < 5; ++page) {
        tabs->setCurrentIndex(page);
        Find<QWidget>(pages[page].front())->setFocus();
        QStringList walked{QApplication::focusWidget()->objectName()};
        while (walked.size() < pages[page].size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(pages[page], walked) << "page " << page + 1;
    }
}

TEST_F(MainWindowTest, ToolbarCommandsAnswerTheirAcceleratorsAndShortcuts) {
    OpenMain();
    QWidget options;
    main->setOptionsWindow(&options);
    auto* toolbar = Find<QToolBar>("Toolbar1");
    QStringList accelerators;
    for (QAction* action : toolbar->actions())
        accelerators << QKeySequence::mnemonic(
                            qobject_cast<QToolButton*>(toolbar->widgetForAction(action))->text())
                            .toString();
    EXPECT_EQ(QStringList({"Alt+N", "Alt+R", "Alt+Ö", "Alt+H", "Alt+K", "Alt+I", "Alt+L", "Alt+V",
                           "Alt+O", "Alt+T"}),
              accelerators);

    // A button's accelerator clicks it after a short animation.
    auto press = [this](int key, Qt::KeyboardModifiers modifiers,
                        const std::function<bool()>& done) {
        QTest::keyClick(main.get(), static_cast<Qt::Key>(key), modifiers);
        return QTest::qWaitFor(done, 2000);
    };
    // Alt+Ö and Ctrl+O open a file, Ctrl+S saves one.
    const std::tuple<int, Qt::KeyboardModifiers, bool> fileKeys[] = {
        {Qt::Key_Odiaeresis, Qt::AltModifier, false},
        {Qt::Key_O, Qt::ControlModifier, false},
        {Qt::Key_S, Qt::ControlModifier, true}};
    for (const auto& [key, modifiers, save] : fileKeys) {
        const std::size_t seen = dialogs->Requests().size();
        dialogs->Answer(std::nullopt);
        EXPECT_TRUE(press(key, modifiers, [&] { return dialogs->Requests().size() > seen; }));
        EXPECT_EQ(save, dialogs->Requests().back().save) << key;
    }

    EXPECT_TRUE(press(Qt::Key_T, Qt::AltModifier, [&] { return options.isVisible(); }));
    options.hide();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    EXPECT_TRUE(press(Qt::Key_Q, Qt::ControlModifier, [&] { return !main->isVisible(); }))
        << "Ctrl+Q ends";
}

TEST_F(MainWindowTest, ScaleFieldsFollowTheCommaPosition) {
    OpenMain();
    Find<QComboBox>("cmbSComma")->setCurrentIndex(2);
    EXPECT_EQ(2.0f, P("Eingang", "Skalenkomma").Value());
    Enter("txtSEnd", "12,5");
    EXPECT_EQ(12.5f, R("Eingang", "Skalierung").GetRangeEnd());
    EXPECT_EQ("000,00", Text("txtSBegin"));
    EXPECT_EQ("012,50", Text("txtSEnd"));
    EXPECT_EQ("Skalenbereich: 000,00..012,50 bar",
              main->findChild<QLabel*>("StatusBar1_Panel2")->text());
    EXPECT_EQ("X: 4,00..20,00 mA\nentspricht\nY: 000,00..012,50 bar",
              Find<QLabel>("lblSkalenbereich")->text());

    Find("txtSEnd")->setFocus(); // tabbing through stores 012,50 again: no change
    Find("txtSBegin")->setFocus();
    EXPECT_EQ(12.5f, R("Eingang", "Skalierung").GetRangeEnd());

    Find<QComboBox>("cmbSComma")->setCurrentIndex(0);
    EXPECT_EQ("00013", Text("txtSEnd"));
}

TEST_F(MainWindowTest, FieldsShowTheLimitsAndValuesThatAScalingChangeLeaves) {
    OpenMain();
    Find<QComboBox>("cmbSComma")->setCurrentIndex(2);
    Enter("txtSEnd", "250");
    EXPECT_EQ("000,00 … 250,00 bar", Find("txtUL_0")->toolTip()) << "limits follow the scaling";
    Enter("txtUL_0", "200");

    // Four decimals allow at most 9,9999: the scaling end and the switch point are cut to it.
    Find<QComboBox>("cmbSComma")->setCurrentIndex(4);
    EXPECT_EQ(9.9999f, R("Eingang", "Skalierung").GetRangeEnd());
    EXPECT_EQ("9,9999", Text("txtSEnd"));
    EXPECT_EQ("9,9999", Text("txtUL_0"));
    EXPECT_EQ("-9,9999 … 9,9999 bar", Find("txtSEnd")->toolTip());
    Find("txtSEnd")->setFocus(); // tabbing through takes what is shown: no refusal
    Find("txtSBegin")->setFocus();
    EXPECT_EQ(9.9999f, R("Grenzwerte", "Grenzwert1").GetRangeEnd());
}

TEST_F(MainWindowTest, NewUnitReachesTheScaledParametersAndEveryLabel) {
    OpenMain();
    Find<QComboBox>("cmbSUnit")->setCurrentIndex(2);
    EXPECT_EQ(2.0f, P("Eingang", "Skaleneinheit").Value());
    // The model carries the unit to every scaled value; three samples show the window uses it.
    EXPECT_EQ("m", P("Linearisierung", "Y24").Unit());
    EXPECT_EQ("m", R("Grenzwerte", "Grenzwert4").RangeBegin().Unit());
    EXPECT_EQ("m", P("Sonstiges", "TrendFallend").Unit());
    EXPECT_EQ("mA", R("Eingang", "Messbereich").RangeEnd().Unit());
    for (int i = 0; i <= 12; ++i)
        EXPECT_EQ("m", Find<QLabel>("lblUnit_" + QString::number(i))->text()) << i;
}

TEST_F(MainWindowTest, VariantDisablesWhatTheDeviceLacks) {
    OpenMain();
    for (int i = 1; i < 4; ++i)
        Find<QComboBox>("cmbLimitFunction_" + QString::number(i))->setCurrentIndex(0);
    ASSERT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion A").Value());
    auto enabled = [this](const char* name) { return Find<QWidget>(name)->isEnabled(); };

    app->setHardwareVariante(0);
    EXPECT_TRUE(enabled("txtUL_0"));
    EXPECT_TRUE(enabled("lblUnit_6"));
    for (const char* name :
         {"cmbPumpSwap_0", "lblPumpSwap_1", "fraTrend", "fraLimit_2", "fraRelay_3", "txtUL_2",
          "txtLL_3", "cmbLimitFunction_2", "txtDelay_3"})
        EXPECT_FALSE(enabled(name)) << name;

    app->setHardwareVariante(1);
    for (const char* name : {"cmbPumpSwap_0", "cmbPumpSwap_2", "fraTrend"})
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : {"fraLimit_2", "fraRelay_3", "txtUL_2", "cmbOnError_3", "txtUL_0"})
        EXPECT_TRUE(enabled(name)) << name;
    // Pump alternation and the trend functions are greyed out in the lists.
    using Offered = std::vector<bool>;
    const auto offered = [this](const QString& list) {
        auto* entries = qobject_cast<QStandardItemModel*>(Find<QComboBox>(list)->model());
        Offered flags;
        for (int i = 0; i < entries->rowCount(); ++i)
            flags.push_back(entries->item(i)->isEnabled());
        return flags;
    };
    for (const char* list : {"cmbLimitFunction_0", "cmbLimitFunction_3"})
        EXPECT_EQ((Offered{true, true, false, false, false}), offered(list)) << list;
    EXPECT_EQ((Offered{true, false}), offered("cmbPumpSwap_1"));
    EXPECT_EQ((Offered{true, true}), offered("cmbRelayFunction_1"));
    auto* functionA = Find<QComboBox>("cmbLimitFunction_0");
    functionA->setFocus();
    QTest::keyClick(functionA, Qt::Key_Down); // no message: "Pumpentausch*" cannot be reached
    EXPECT_EQ(1, functionA->currentIndex());
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion A").Value());

    app->setHardwareVariante(7);
    for (const char* name :
         {"cmbPumpSwap_0", "fraTrend", "txtTrendDeltaRise", "fraLimit_3", "txtLL_3"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_EQ((Offered{true, true, true, true, true}), offered("cmbLimitFunction_0"));
    EXPECT_EQ((Offered{true, true}), offered("cmbPumpSwap_1"));
}

TEST_F(MainWindowTest, CommandLineDigitsShowServiceTabs) {
    auto visible = [this](const QString& commandLine) {
        frmMain window(*app, commandLine);
        auto* tabs = window.findChild<QTabWidget*>("SSTab1");
        QString shown;
        for (int i = 0; i < tabs->count(); ++i)
            shown += tabs->isTabVisible(i) ? "1" : "0";
        return shown;
    };
    EXPECT_EQ("11111000", visible(""));
    EXPECT_EQ("11111111", visible("123"));
    EXPECT_EQ("11111001", visible("3"));
    EXPECT_EQ("11111111", visible("x3 -2a 1"));
    EXPECT_EQ("11111000", visible("--demo"));
    frmMain window(*app, "");
    EXPECT_EQ("&6 Service", window.findChild<QTabWidget*>("SSTab1")->tabText(5));
}

TEST_F(MainWindowTest, AWindowThatEndedHearsNoMoreChanges) {
    { const frmMain gone(*app, ""); }
    EXPECT_TRUE(app->Views().empty());
    P("Eingang", "Filter").setValue(7.0); // would reach the freed window
    OpenMain();
    EXPECT_EQ((std::vector<View*>{main.get()}), app->Views());
}

TEST_F(MainWindowTest, StatusBarAndCaptionShowPortAndFile) {
    OpenMain();
    auto* panel = main->findChild<QLabel*>("StatusBar1_Panel1");
    EXPECT_EQ("Keine Verbindung", panel->text());
    EXPECT_EQ("NivoConfig []", main->windowTitle());
    app->setPortNr(3);
    app->setFileName("C:\\a.par");
    main->Update();
    EXPECT_EQ("COM3", panel->text());
    EXPECT_EQ("NivoConfig [C:\\a.par]", main->windowTitle());
}

TEST_F(MainWindowTest, SupportPointGridFollowsCountAndCurrentRow) {
    OpenMain();
    auto* grid = Find<QTableWidget>("grdXY");
    EXPECT_FALSE(Find<QGroupBox>("frmStützpunkte")->isEnabled()) << "no table input selected";
    Find<QRadioButton>("optLinart_1")->click();
    EXPECT_EQ(1.0f, P("Linearisierung", "Modus").Value());
    ASSERT_TRUE(Find<QGroupBox>("frmStützpunkte")->isEnabled());

    Enter("txtStützpunkte", "5");
    ASSERT_EQ(5, grid->rowCount());
    EXPECT_EQ(5, Find<XYPlot>("plotXY")->Points().size()) << "the plot follows the table";
    EXPECT_EQ(2, grid->columnCount());
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(QString::number(r + 1), grid->model()->headerData(r, Qt::Vertical).toString());
    EXPECT_EQ("4,00", grid->item(0, 0)->text());
    EXPECT_EQ("6,78", grid->item(4, 0)->text()) << "4 + 16 * 4/23 = 6.7826 cut down";
    EXPECT_EQ("0,1739", grid->item(4, 1)->text()) << "4/23 in the pattern 0.0000";

    Enter("txtStützpunkte", "24");
    P("Linearisierung", "X3").setValue(12.345);
    const QRect cell = grid->visualItemRect(grid->item(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ("3 von 24", Find<QLabel>("lblXYPointNr")->text());
    EXPECT_EQ("12,34", Text("txtX"));
    EXPECT_EQ("0,0870", Text("txtY")) << "2/23";
    Find("txtX")->setFocus();
    Find("txtY")->setFocus(); // leaving txtX stores the cut value
    EXPECT_FLOAT_EQ(12.34f, P("Linearisierung", "X3").Value());

    grid->setCurrentCell(9, 0);
    Enter("txtStützpunkte", "5");
    EXPECT_EQ(4, grid->currentRow()) << "the current row stays inside the table";
    EXPECT_EQ("5 von 5", Find<QLabel>("lblXYPointNr")->text());
}

/// 24 rows "X<TAB>Y" with X = 4 + n/2 and Y = n/100 (n from 0), decimal points and commas mixed.
QString PointTable() {
    QString table;
    for (int n = 0; n < 24; ++n)
        table += QString("%1\t0%2%3\r\n")
                     .arg(4 + n * 0.5)
                     .arg(n % 2 ? "," : ".")
                     .arg(n, 2, 10, QChar('0'));
    return table;
}

TEST_F(MainWindowTest, PasteTakesA24PointTableInTheGridOnly) {
    UseEnglish(); // a comma is still a decimal separator in a pasted table
    OpenMain();
    Find<QRadioButton>("optLinart_1")->click();
    auto* grid = Find<QTableWidget>("grdXY");
    QGuiApplication::clipboard()->setText(PointTable());

    for (QWidget* elsewhere : {static_cast<QWidget*>(Find<QRadioButton>("optLinart_1")),
                               static_cast<QWidget*>(Find("txtX"))}) {
        elsewhere->setFocus();
        QTest::keyClick(elsewhere, Qt::Key_V, Qt::ControlModifier);
        EXPECT_FLOAT_EQ(4 + 16.0f / 23, P("Linearisierung", "X2").Value()) << "no table pasted";
    }
    Find("txtX")->setText("4.00"); // the field took the text as its own; leave it as it was

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    for (int n = 1; n <= 24; ++n) {
        EXPECT_FLOAT_EQ(4 + (n - 1) * 0.5f, P("Linearisierung", "X" + std::to_string(n)).Value())
            << n;
        EXPECT_FLOAT_EQ((n - 1) / 100.0f, P("Linearisierung", "Y" + std::to_string(n)).Value())
            << n;
    }
    EXPECT_EQ("15.50", grid->item(23, 0)->text());
    EXPECT_EQ("0.2300", grid->item(23, 1)->text());
}

TEST_F(MainWindowTest, PasteWithFewerPointsIsRefusedAndChangesNothing) {
    OpenMain();
    Find<QRadioButton>("optLinart_1")->click();
    Enter("txtStützpunkte", "5");
    QGuiApplication::clipboard()->setText(PointTable());
    ExpectMessage("Die Tabelle braucht 24 Stützpunkte; eingestellt sind 5.", MsgIcon::None);
    auto* grid = Find<QTableWidget>("grdXY");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(4 + 16.0f / 23, P("Linearisierung", "X2").Value());
    EXPECT_TRUE(app->EnableNotify());
    Enter("txtFilter", "7");
    EXPECT_EQ("7", Text("txtFilter"));
}

TEST_F(MainWindowTest, SaveRefusedByTheModelCheckLeavesTheDiskUntouched) {
    OpenMain();
    R("Eingang", "Sondenstörung").SetRangeBegin(10.0);
    R("Eingang", "Sondenstörung").SetRangeEnd(5.0);
    ExpectMessage("Sondenstörung.Anfang > Sondenstörung.Ende.\r\nBitte den Anfangs- oder den "
                  "Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    ExpectMessage("Parameter fehlerhaft.\r\nDie Daten können nicht gespeichert werden.",
                  MsgIcon::Information);
    main->findChild<QAction*>("Save")->trigger();
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(Dir()))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(std::vector<std::string>{"NivoConfig.ini"}, files);
}

TEST_F(MainWindowTest, SavedAndOpenedThroughTheDialogsACancelTouchesNothing) {
    OpenMain();
    const QString file = QString::fromStdString(PathOf("tank.par"));
    Find("txtFilter")->setFocus();
    Find("txtFilter")->setText("5"); // typed, not yet committed: the command commits it first
    dialogs->Answer(std::nullopt);
    main->findChild<QAction*>("Save")->trigger();
    EXPECT_EQ(5.0f, P("Eingang", "Filter").Value());
    EXPECT_FALSE(std::filesystem::exists(PathOf("tank.par")));
    EXPECT_EQ("NivoConfig []*", main->windowTitle());

    dialogs->Answer(file);
    main->findChild<QAction*>("Save")->trigger();
    ASSERT_TRUE(std::filesystem::exists(PathOf("tank.par")));
    EXPECT_EQ("NivoConfig [" + file + "]", main->windowTitle());
    const auto& save = dialogs->Requests().back();
    EXPECT_TRUE(save.save);
    EXPECT_EQ("par", save.options.defaultSuffix);
    EXPECT_TRUE(save.options.confirmOverwrite);
    EXPECT_EQ(QString::fromStdString(Dir().string()), save.options.folder);

    Enter("txtFilter", "9");
    const std::string saved = ReadBytes(PathOf("tank.par"));
    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    dialogs->Answer(std::nullopt);
    main->findChild<QAction*>("Open")->trigger();
    EXPECT_EQ("9", Text("txtFilter")) << "a cancelled open loads nothing";
    EXPECT_EQ(saved, ReadBytes(PathOf("tank.par")));

    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    dialogs->Answer(file);
    main->findChild<QAction*>("Open")->trigger();
    EXPECT_FALSE(dialogs->Requests().back().save);
    EXPECT_EQ("5", Text("txtFilter"));
}

TEST_F(MainWindowTest, UnsavedEditsAreMarkedAndGoOnlyWhenTheUserLetsThem) {
    OpenMain();
    auto press = [this](const char* key) { main->findChild<QAction*>(key)->trigger(); };
    auto ask = [this](MsgAnswer answer) {
        ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", answer);
    };
    EXPECT_EQ("NivoConfig []", main->windowTitle());
    Enter("txtFilter", "9");
    EXPECT_EQ("NivoConfig []*", main->windowTitle());
    Enter("txtFilter", "2");
    EXPECT_EQ("NivoConfig []", main->windowTitle()) << "back to the state at start";
    Enter("txtDescription_0", "Tank 3");
    EXPECT_EQ("NivoConfig []*", main->windowTitle());

    // "Abbrechen" keeps the edits and does nothing else; values read would replace them too.
    for (const char* command : {"Standard", "Open", "Upload"}) {
        ask(MsgAnswer::Cancel);
        press(command);
    }
    ask(MsgAnswer::Cancel);
    main->close();
    VerifyMessages();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(dialogs->Requests().empty());
    EXPECT_EQ("Tank 3", app->GetDescription(0));

    ask(MsgAnswer::Yes); // "Ja" saves first and goes on only when something was saved
    dialogs->Answer(std::nullopt);
    press("Standard");
    EXPECT_EQ("Tank 3", app->GetDescription(0));
    const QString file = QString::fromStdString(PathOf("tank.par"));
    ask(MsgAnswer::Yes);
    dialogs->Answer(file);
    press("Standard");
    EXPECT_NE(std::string::npos, ReadBytes(PathOf("tank.par")).find("Zeile1=Tank 3"));
    EXPECT_EQ("Beschreibung1", Text("txtDescription_0"));
    EXPECT_EQ("NivoConfig [" + file + "]*", main->windowTitle()) << "the defaults are no file";

    ask(MsgAnswer::No); // "Nein" throws the edits away
    dialogs->Answer(file);
    press("Open");
    EXPECT_EQ("Tank 3", Text("txtDescription_0"));
    EXPECT_EQ("NivoConfig [" + file + "]", main->windowTitle());
    Enter("txtBenutzername", "Huber");
    ask(MsgAnswer::No);
    main->close();
    EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindowTest, DefaultsAndPrintFromTheToolbar) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a system printer would print for real";
    OpenMain();
    Enter("txtFilter", "9");
    ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", MsgAnswer::No);
    main->findChild<QAction*>("Standard")->trigger();
    EXPECT_EQ("2", Text("txtFilter"));

    ExpectQuestion(
        "Es ist kein Drucker eingerichtet.\nSoll der Bericht als PDF-Datei gespeichert werden?",
        MsgButtons::YesNo, "Drucken", MsgAnswer::Yes);
    dialogs->Answer(QString::fromStdString(PathOf("bericht.pdf")));
    main->findChild<QAction*>("Print")->trigger();
    EXPECT_EQ("%PDF", ReadBytes(PathOf("bericht.pdf")).substr(0, 4));
}

TEST_F(MainWindowTest, SplashShowsTheAddressBlockWithEmptyLinesForMissingKeys) {
    WriteBytes(PathOf("NivoConfig.ini"), "[Firma]\r\nName=Pegel AG\r\nOrt=Talheim\r\n");
    frmSplash splash;
    splash.Fill(SettingsFiles::ForUser());
    auto label = [&splash](const char* name) { return splash.findChild<QLabel*>(name)->text(); };
    EXPECT_EQ("Pegel AG\n\nTalheim\n\n\n\n", label("lblCompany"));
    EXPECT_EQ("", label("lblStatus"));
    EXPECT_EQ("Version 1.0.5", label("lblVersion"));
    EXPECT_EQ("NivoConfig", label("lblProgrammname"));
    EXPECT_EQ("Konfigurationsprogramm für Nivolantis K417", label("lblProductName"));

    splash.ShowDeviceVersion(app->FirmwareID()); // once the application object exists
    EXPECT_EQ("Geräteversion:\n'K417 V2.1'", label("lblStatus"));

    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(splash.isVisible()) << "a click on the background closes it";
}

TEST_F(MainWindowTest, InfoTakesTheFocusStaysAboveAndAnyKeyOrClickClosesIt) {
    OpenMain();
    const auto openInfo = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed one
        main->findChild<QAction*>("Info")->trigger();
        QPointer<frmSplash> info = main->findChild<frmSplash*>();
        EXPECT_TRUE(info &&
                    QTest::qWaitFor([&info] { return QApplication::focusWidget() == info.data(); }))
            << "it has the keyboard";
        if (info) {
            EXPECT_EQ(main.get(), info->parentWidget()) << "kept above the main window";
            EXPECT_TRUE(info->windowFlags().testFlag(Qt::Dialog)) << "a framed window";
            EXPECT_EQ("Geräteversion:\n'K417 V2.1'", info->findChild<QLabel*>("lblStatus")->text());
        }
        return info;
    };
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Escape, Qt::Key_A}) {
        QPointer<frmSplash> info = openInfo();
        ASSERT_TRUE(info);
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(!info || !info->isVisible()) << "key " << key;
    }
    for (const char* part : {"lblCompany", "imgLogo"}) {
        QPointer<frmSplash> info = openInfo();
        ASSERT_TRUE(info);
        QTest::mouseClick(info->findChild<QLabel*>(part), Qt::LeftButton);
        EXPECT_TRUE(!info || !info->isVisible()) << "a click on " << part;
    }
}

} // namespace
