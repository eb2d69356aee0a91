#include "GuiTest.h"

#include "base/Platform.h"
#include "support/FastClock.h"
#include "support/PortMap.h"
#include "ui/QtStartWindows.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
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
    // "en" after --lang is the language, not a file to open; an argument that names no file
    // shows the pages of its digits, as shortcuts with "/s2" expect.
    // (No folder for the missing file: the test folder's name may hold digits of its own.)
    QtStartWindows windows(StartArguments::Parse({"--lang", "en", "/s2", file, "fehlt1.par"}));
    auto settings = SettingsFiles::Only(PathOf("NivoConfig.ini"));
    ASSERT_TRUE(StartProgram(windows, settings,
                             [this](cNivolantis& app) { MapPorts(app.SerCom(), {}, Dir()); }));
    windows.OpenFileArgument();

    frmMain& window = *windows.Main();
    EXPECT_EQ(("NivoConfig [" + file + "]").toStdString(), window.windowTitle().toStdString());
    EXPECT_EQ(5.0f, MyNivolantis->Data("Eingang").Parameters("Filter").Value());
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

} // namespace
