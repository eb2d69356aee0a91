#include "GuiTest.h"

#include "base/Platform.h"
#include "support/FastClock.h"
#include "support/PortMap.h"
#include "ui/QtStartWindows.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScopeGuard>
#include <QTabWidget>
#include <QUrl>

namespace {

class OpenFileTest : public GuiTest {
protected:
    /// A parameter file whose filter is 5 (the default is 2), written from a second model.
    QString WriteTankFile(const std::string& name) {
        cNivolantis other(PathOf("NivoConfig.ini"));
        other.Data("Eingang").Parameters("Filter").setValue(5.0f);
        EXPECT_TRUE(other.WriteIni(PathOf(name)));
        return QString::fromStdString(PathOf(name));
    }

    /// Drags the files over the window and drops them if it takes the drag; true when it did.
    bool Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint centre = main->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main.get(), &drop);
        return true;
    }
    bool Drop(const QString& path) { return Drop({QUrl::fromLocalFile(path)}); }
};

TEST_F(OpenFileTest, AFileNamedOnTheCommandLineIsOpenedOnceTheWindowIsThere) {
    const QString file = WriteTankFile("Anlage 3.par");
    Platform::Install(std::make_unique<FastClock>());
    // "en" after --lang is the language, not a file to open, and so is the settings file, in
    // either form; an argument that names no file shows the pages of its digits, as shortcuts
    // with "/s2" expect. (No folder for the missing file: the test folder's name may hold digits
    // of its own.)
    const QString ini = QString::fromStdString(PathOf("NivoConfig.ini"));
    const StartArguments arguments =
        StartArguments::Parse({"--lang", "en", "--settings=" + ini, "/s2", file, "fehlt1.par"});
    EXPECT_EQ(ini, arguments.settings);
    QtStartWindows windows(arguments);
    ASSERT_TRUE(StartProgram(windows, arguments.Settings(),
                             [this](cNivolantis& app) { MapPorts(app.SerCom(), {}, Dir()); }));
    windows.OpenFileArgument();

    frmMain& window = *windows.Main();
    EXPECT_EQ(("NivoConfig [" + file + "]").toStdString(), window.windowTitle().toStdString());
    EXPECT_EQ("5", window.findChild<QLineEdit*>("txtFilter")->text().toStdString());
    auto* tabs = window.findChild<QTabWidget*>("SSTab1");
    EXPECT_TRUE(tabs->isTabVisible(5)) << "the 1 in the missing file's name shows tab 6";
    EXPECT_TRUE(tabs->isTabVisible(6)) << "the 2 in /s2 shows tab 7";
    EXPECT_FALSE(tabs->isTabVisible(7)) << "the 3 in the opened file's name shows no tab 8";
}

TEST_F(OpenFileTest, ADroppedFileIsRefusedAsOeffnenRefusesItOrOpenedAfterTheQuestion) {
    OpenMain();
    const QString missing = QString::fromStdString(PathOf("fehlt.par"));
    ExpectMessage("Datei '" + missing.toStdString() + "' ist nicht vorhanden",
                  MsgIcon::Information);
    EXPECT_TRUE(Drop(missing));
    VerifyMessages();

    WriteBytes(PathOf("notiz.par"), "[Einkauf]\r\nMilch=1\r\n");
    const QString notes = QString::fromStdString(PathOf("notiz.par"));
    dialogs->Answer(notes);
    Run("Open");
    ASSERT_EQ(1u, Recorder().Messages().size());
    const auto opened = Recorder().Messages()[0];
    Recorder().Clear();
    ExpectMessage(opened.text, opened.icon, opened.title); // the same box as "Öffnen" showed
    EXPECT_TRUE(Drop(notes));
    VerifyMessages();
    EXPECT_EQ("NivoConfig []", main->windowTitle().toStdString());
    // Only one local file is taken.
    EXPECT_FALSE(Drop({QUrl::fromLocalFile(notes), QUrl::fromLocalFile(missing)}));
    EXPECT_FALSE(Drop({QUrl("https://example.invalid/tank.par")}));

    const QString file = WriteTankFile("tank.par");
    Enter("txtFilter", "7");
    for (MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::No}) {
        ExpectQuestion("Änderungen speichern?", MsgButtons::YesNoCancel, "", answer);
        EXPECT_TRUE(Drop(file));
        VerifyMessages();
    }
    EXPECT_EQ(5.0f, P("Eingang", "Filter").Value()) << "opened on the second drop only";
    EXPECT_EQ(("NivoConfig [" + file + "]").toStdString(), main->windowTitle().toStdString());
}

TEST_F(OpenFileTest, FileDialogsStartInTheFolderLastUsedForTheirKindElseInTheDocuments) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows names the documents folder in the user's shell folders, which the "
                    "test cannot point into a folder of its own";
#endif
    // A home of the test's own: its documents folder is known, the user's settings untouched.
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
    });
    std::filesystem::create_directories(Dir() / "home/Documents");
    std::filesystem::create_directories(Dir() / "anlage");
    qputenv("HOME", QByteArray::fromStdString(PathOf("home")));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(PathOf("home/.config")));
    const QString documents = QString::fromStdString(PathOf("home/Documents"));
    const QString plant = QString::fromStdString(PathOf("anlage"));

    OpenMain("123");
    dialogs->Answer(plant + "/tank.par");
    Run("Save");
    for (const char* command : {"Open", "Command7", "cmdFirmware1", "Command8"}) {
        dialogs->Answer(std::nullopt);
        Run(command);
    }
    const auto& asked = dialogs->Requests();
    ASSERT_EQ(5u, asked.size());
    EXPECT_EQ(documents, asked[0].options.folder) << "a fresh window saves into the documents";
    EXPECT_TRUE(std::filesystem::exists(PathOf("anlage/tank.par")));
    EXPECT_EQ(plant, asked[1].options.folder) << "where the last parameter file went";
    for (std::size_t i = 2; i < asked.size(); ++i)
        EXPECT_EQ(documents, asked[i].options.folder) << asked[i].options.title.toStdString();

    // The folder is kept in the settings: the next run starts there, each kind in its own.
    main.reset();
    app = std::make_unique<cNivolantis>(PathOf("NivoConfig.ini"));
    OpenMain("3");
    dialogs->Answer(plant + "/neu.hex");
    ExpectQuestion("Eine neue Firmware kann die Belegung des EEPROMs ändern.\r\nSollen die "
                   "EEPROM-Daten des Geräts vorher in einer Datei gesichert werden?",
                   MsgButtons::YesNoCancel, "Firmware-Update", MsgAnswer::Cancel);
    Run("Command8");
    for (const char* command : {"Open", "cmdFirmware1"}) {
        dialogs->Answer(std::nullopt);
        Run(command);
    }
    ASSERT_EQ(8u, asked.size());
    EXPECT_EQ(plant, asked[6].options.folder);
    EXPECT_EQ(plant, asked[7].options.folder) << "where the last firmware file came from";
    std::filesystem::remove_all(Dir() / "anlage");
    dialogs->Answer(std::nullopt);
    Run("Open");
    EXPECT_EQ(documents, asked.back().options.folder) << "the kept folder is gone";
}

} // namespace
