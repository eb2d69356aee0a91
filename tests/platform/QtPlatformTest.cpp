#include "platform/QtPlatform.h"
#include "base/Platform.h"
#include "platform/FileDialogs.h"
#include "platform/QtTranslations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using testing::UnorderedElementsAre;

/// The real Qt services, not the recorders of the core tests.
class QtPlatformTest : public ::testing::Test {
protected:
    void SetUp() override { InstallQtPlatform(); }
    void TearDown() override {
        Platform::Reset();
        FileDialogs::Install(nullptr);
    }

    /// Hands the next modal dialog of type T to `handle` as soon as it is up. Starts from a zero
    /// timer, so it runs inside the dialog's own event loop; `handle` must close the dialog.
    template <class T> void OnModal(std::function<void(T&)> handle) {
        QTimer::singleShot(0, [handle] {
            T* dialog = nullptr;
            const bool up = QTest::qWaitFor([&] {
                dialog = qobject_cast<T*>(QApplication::activeModalWidget());
                return dialog != nullptr;
            });
            if (!up) {
                ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " appeared";
                return;
            }
            handle(*dialog);
        });
    }

    /// Reads the message box that comes up next and clicks the button with the given text.
    struct BoxSeen {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        std::string title, text;
        std::vector<std::string> buttons;
        QWidget* parent = nullptr;
    };
    void ReadBoxAndClick(BoxSeen& seen, const QString& click) {
        OnModal<QMessageBox>([&seen, click](QMessageBox& box) {
            seen = {box.icon(),
                    box.windowTitle().toStdString(),
                    box.text().toStdString(),
                    {},
                    box.parentWidget()};
            QAbstractButton* chosen = nullptr;
            for (QAbstractButton* button : box.buttons()) {
                seen.buttons.push_back(button->text().toStdString());
                if (button->text() == click)
                    chosen = button;
            }
            if (chosen)
                chosen->click();
            else
                box.done(0); // keeps the test going; the button list shows the fault
        });
    }
};

} // namespace

TEST_F(QtPlatformTest, MessageBoxesShowTheIconAndTitleAskedForWithAnOkButton) {
    const struct {
        MsgIcon icon;
        std::string title;
        QMessageBox::Icon expected;
    } cases[] = {{MsgIcon::Information, "Gerät lesen", QMessageBox::Information},
                 {MsgIcon::Critical, "Gerät schreiben", QMessageBox::Critical},
                 {MsgIcon::Exclamation, "Eingabefehler", QMessageBox::Warning},
                 {MsgIcon::None, "", QMessageBox::NoIcon}};
    for (const auto& c : cases) {
        BoxSeen seen;
        ReadBoxAndClick(seen, "OK");
        ShowMessage("Zeile 1\r\nZeile 2", c.icon, c.title);
        EXPECT_EQ(c.expected, seen.icon) << c.title;
        EXPECT_EQ(c.title, seen.title);
        EXPECT_EQ("Zeile 1\r\nZeile 2", seen.text);
        EXPECT_THAT(seen.buttons, UnorderedElementsAre("OK"));
    }
}

TEST_F(QtPlatformTest, QuestionsOfferGermanButtonsAndReturnTheOneClicked) {
    BoxSeen seen;
    ReadBoxAndClick(seen, "&Nein");
    EXPECT_EQ(MsgAnswer::No, AskQuestion("Speichern?", MsgButtons::YesNo, "Drucken"));
    EXPECT_EQ(QMessageBox::Question, seen.icon);
    EXPECT_EQ("Drucken", seen.title);
    EXPECT_EQ("Speichern?", seen.text);
    EXPECT_THAT(seen.buttons, UnorderedElementsAre("&Ja", "&Nein"));

    ReadBoxAndClick(seen, "&Ja");
    EXPECT_EQ(MsgAnswer::Yes, AskQuestion("Speichern?", MsgButtons::YesNo));
    EXPECT_EQ("", seen.title);

    ReadBoxAndClick(seen, "Abbrechen");
    EXPECT_EQ(MsgAnswer::Cancel, AskQuestion("Speichern?", MsgButtons::YesNoCancel));
    EXPECT_THAT(seen.buttons, UnorderedElementsAre("&Ja", "&Nein", "Abbrechen"));
}

TEST_F(QtPlatformTest, QuestionsAreAnsweredFromTheKeyboard) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        MsgButtons buttons;
        MsgAnswer expected;
    } cases[] = {{Qt::Key_J, Qt::AltModifier, MsgButtons::YesNoCancel, MsgAnswer::Yes},
                 {Qt::Key_N, Qt::AltModifier, MsgButtons::YesNoCancel, MsgAnswer::No},
                 {Qt::Key_Escape, Qt::NoModifier, MsgButtons::YesNoCancel, MsgAnswer::Cancel},
                 {Qt::Key_Escape, Qt::NoModifier, MsgButtons::YesNo, MsgAnswer::No},
                 {Qt::Key_Return, Qt::NoModifier, MsgButtons::YesNoCancel, MsgAnswer::Yes}};
    for (const auto& c : cases) {
        OnModal<QMessageBox>([&c](QMessageBox& box) {
            box.activateWindow(); // shortcuts go to the active window
            EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
            QTest::keyClick(&box, static_cast<Qt::Key>(c.key), c.modifiers);
            // A mnemonic clicks after a short animation; a box still up afterwards failed.
            if (!QTest::qWaitFor([&box] { return !box.isVisible(); }, 2000)) {
                ADD_FAILURE() << "key " << c.key << " left the box open";
                box.done(0);
            }
        });
        EXPECT_EQ(c.expected, AskQuestion("Änderungen speichern?", c.buttons)) << c.key;
    }
}

TEST_F(QtPlatformTest, QtsOwnTextsFollowAGermanDesktop) {
    const auto translations = InstallQtTranslations(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_NE(nullptr, translations) << "Qt's German translations are missing";
    EXPECT_EQ("Suchen in:", QCoreApplication::translate("QFileDialog", "Look in:"));
    EXPECT_EQ("Abbrechen", QCoreApplication::translate("QPlatformTheme", "Cancel"));
}

TEST_F(QtPlatformTest, BoxesBelongToTheActiveWindow) {
    QWidget window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    BoxSeen seen;
    ReadBoxAndClick(seen, "OK");
    ShowMessage("Hinweis", MsgIcon::Information);
    EXPECT_EQ(&window, seen.parent);
}

TEST_F(QtPlatformTest, SaveDialogCarriesTheOptionsAndCancelGivesNothing) {
    FileDialogOptions options;
    options.title = "Parameterdatei speichern";
    options.folder = QDir::tempPath();
    options.fileName = "anlage";
    options.defaultSuffix = "par";
    options.filter = "Parameterdateien (*.par)";
    struct {
        std::string title, suffix;
        QStringList filters;
        bool save = false, confirmsOverwrite = false;
    } seen;
    OnModal<QFileDialog>([&seen](QFileDialog& dialog) {
        seen = {dialog.windowTitle().toStdString(), dialog.defaultSuffix().toStdString(),
                dialog.nameFilters(), dialog.acceptMode() == QFileDialog::AcceptSave,
                !dialog.testOption(QFileDialog::DontConfirmOverwrite)};
        dialog.reject();
    });
    EXPECT_FALSE(FileDialogs::Current().SaveFile(options).has_value());
    EXPECT_EQ("Parameterdatei speichern", seen.title);
    EXPECT_EQ("par", seen.suffix);
    EXPECT_EQ(QStringList{"Parameterdateien (*.par)"}, seen.filters);
    EXPECT_TRUE(seen.save);
    EXPECT_TRUE(seen.confirmsOverwrite);
}

// The application lives on main's stack: a static one would outlive Qt's own globals at exit.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
