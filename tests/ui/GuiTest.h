#pragma once

#include "app/basMain.h"
#include "support/CoreTest.h"
#include "support/DesktopLocale.h"
#include "support/ScriptedFileDialogs.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

/// A GUI test: its own application object and, once opened, the main window over it, registered
/// as its first view. The window ends before the object it shows.
class GuiTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        Application();
        ASSERT_NO_FATAL_FAILURE(AssertDesktopLocale());
        auto scripted = std::make_unique<ScriptedFileDialogs>();
        dialogs = scripted.get();
        FileDialogs::Install(std::move(scripted));
        app = std::make_unique<cNivolantis>(WriteSettings());
    }
    void TearDown() override {
        MyNivolantis.reset(); // a test of program start fills it
        FileDialogs::Install(nullptr);
        CoreTest::TearDown();
    }

    /// One for the whole test program, never destroyed: Qt's own statics may outlive it.
    static QApplication& Application() {
        static int argc = 1;
        static char name[] = "NivoConfig";
        static char* argv[] = {name, nullptr};
        static QApplication* application = new QApplication(argc, argv);
        return *application;
    }

    frmMain& OpenMain(const QString& commandLine = "") {
        main = std::make_unique<frmMain>(*app, commandLine);
        main->show();
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
        return *main;
    }

    template <typename T = QLineEdit> T* Find(const QString& name) const {
        T* child = main->findChild<T*>(name);
        EXPECT_NE(nullptr, child) << name.toStdString();
        return child;
    }

    /// Types the text into the emptied field and presses Enter.
    void Enter(const QString& field, const QString& text) {
        QLineEdit* edit = Find(field);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QString Text(const QString& field) const { return Find(field)->text(); }

    /// Clicks the button, or runs the toolbar command, of that name.
    void Run(const char* name) {
        if (auto* button = main->findChild<QPushButton*>(name))
            button->click();
        else
            main->findChild<QAction*>(name)->trigger();
    }
    /// Runs it, and it must show exactly this one message box.
    void RunAnswered(const char* name, const std::string& text, MsgIcon icon,
                     const std::string& title = "") {
        ExpectMessage(text, icon, title);
        Run(name);
        VerifyMessages();
    }

    cParameter& P(const std::string& group, const std::string& name) {
        return app->Data(group).Parameters(name);
    }
    cRange& R(const std::string& group, const std::string& name) {
        return app->Data(group).Ranges(name);
    }

    std::unique_ptr<cNivolantis> app;
    std::unique_ptr<frmMain> main;
    ScriptedFileDialogs* dialogs = nullptr; ///< answers every file dialog of the test
};
