#include "platform/QtPlatform.h"
#include "base/Platform.h"
#include "platform/FileDialogs.h"
#include "platform/ProgramTexts.h"
#include "platform/QtRegionalSettings.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

/// The real Qt services, not the recorders of the core tests.
class QtPlatformTest : public ::testing::Test {
protected:
    void SetUp() override { InstallQtPlatform(); }
    void TearDown() override {
        Platform::Reset();
        FileDialogs::Install(nullptr);
    }
};

/// Hands the next modal dialog of type T to `handle` as soon as it is up. Starts from a zero
/// timer, so it runs inside the dialog's own event loop; `handle` must close the dialog.
template <class T> void OnModal(std::function<void(T&)> handle) {
    QTimer::singleShot(0, [handle] {
        T* dialog = nullptr;
        if (QTest::qWaitFor([&] { return (dialog = qobject_cast<T*>(qApp->activeModalWidget())); }))
            handle(*dialog);
        else
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " appeared";
    });
}

using Texts = std::vector<std::string>;

Texts ButtonTexts(const QMessageBox& box) {
    Texts texts;
    for (const QAbstractButton* button : box.buttons())
        texts.push_back(button->text().toStdString());
    std::sort(texts.begin(), texts.end());
    return texts;
}

} // namespace

TEST_F(QtPlatformTest, MessageBoxesShowIconTitleAndOkOverTheActiveWindow) {
    QWidget window;
    window.show();
    const std::tuple<MsgIcon, std::string, QMessageBox::Icon> cases[] = {
        {MsgIcon::Critical, "Gerät schreiben", QMessageBox::Critical},
        {MsgIcon::Exclamation, "Eingabefehler", QMessageBox::Warning},
        {MsgIcon::None, "", QMessageBox::NoIcon}};
    for (const auto& [icon, title, expected] : cases) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        OnModal<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(expected, box.icon()) << title;
            EXPECT_EQ(title, box.windowTitle().toStdString());
            EXPECT_EQ("Zeile 1\r\nZeile 2", box.text().toStdString());
            EXPECT_EQ(Texts{"OK"}, ButtonTexts(box));
            EXPECT_EQ(&window, box.parentWidget());
            box.buttons().front()->click();
        });
        ShowMessage("Zeile 1\r\nZeile 2", icon, title);
    }
}

TEST_F(QtPlatformTest, QuestionsOfferGermanButtonsAnsweredByKeyOrByClosing) {
    // {key (0: the box closed without a button), its modifiers, buttons offered, answer}
    const std::tuple<int, Qt::KeyboardModifiers, MsgButtons, MsgAnswer> cases[] = {
        {Qt::Key_J, Qt::AltModifier, MsgButtons::YesNoCancel, MsgAnswer::Yes},
        {Qt::Key_N, Qt::AltModifier, MsgButtons::YesNoCancel, MsgAnswer::No},
        {Qt::Key_Escape, {}, MsgButtons::YesNoCancel, MsgAnswer::Cancel},
        {Qt::Key_Escape, {}, MsgButtons::YesNo, MsgAnswer::No},
        {Qt::Key_Return, {}, MsgButtons::YesNoCancel, MsgAnswer::Yes},
        {0, {}, MsgButtons::YesNo, MsgAnswer::No}};
    for (const auto& [key, modifiers, buttons, expected] : cases) {
        OnModal<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(QMessageBox::Question, box.icon());
            const Texts all{"&Ja", "&Nein", "Abbrechen"};
            EXPECT_EQ(Texts(all.begin(), all.end() - (buttons == MsgButtons::YesNo)),
                      ButtonTexts(box));
            if (!key)
                return box.done(0);
            box.activateWindow(); // shortcuts go to the active window
            EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
            QTest::keyClick(&box, static_cast<Qt::Key>(key), modifiers);
            // A mnemonic clicks after a short animation; a box still up afterwards failed.
            if (!QTest::qWaitFor([&box] { return !box.isVisible(); }, 2000)) {
                ADD_FAILURE() << "key " << key << " left the box open";
                box.done(0);
            }
        });
        EXPECT_EQ(expected, AskQuestion("Speichern?", buttons)) << key;
    }
}

TEST_F(QtPlatformTest, TextsComeInTheChosenLanguageForWindowsCoreAndQtAlike) {
    {
        const ProgramTexts german(Language::German, NIVO_TEST_TEXTS);
        EXPECT_TRUE(german.Complete());
        EXPECT_EQ("Suchen in:", QCoreApplication::translate("QFileDialog", "Look in:"));
        EXPECT_EQ("Abbrechen", QCoreApplication::translate("QPlatformTheme", "Cancel"));
        EXPECT_EQ("Gerät lesen beendet.", Tr("Gerät", "Gerät lesen beendet."));
    }
    {
        const ProgramTexts english(Language::English, NIVO_TEST_TEXTS);
        EXPECT_TRUE(english.Complete());
        EXPECT_EQ("Cancel", QCoreApplication::translate("QPlatformTheme", "Cancel"));
        EXPECT_EQ("&Open", QCoreApplication::translate("frmMain", "&Öffnen"));
        EXPECT_EQ("Reading the device finished.", Tr("Gerät", "Gerät lesen beendet."));
        EXPECT_EQ("Gerät", Tr("Gerät", "Gerät")) << "no translation: the German text";
    }
    EXPECT_EQ("Gerät lesen beendet.", Tr("Gerät", "Gerät lesen beendet.")) << "German again";
    EXPECT_EQ("&Öffnen", QCoreApplication::translate("frmMain", "&Öffnen"));

    const ProgramTexts missing(Language::English, "/nonexistent");
    EXPECT_FALSE(missing.Complete());
    EXPECT_EQ("Gerät lesen beendet.", Tr("Gerät", "Gerät lesen beendet."));
}

TEST_F(QtPlatformTest, GermanDatesShowTheFullYearAndTimesAreReadBack) {
    const QtRegionalSettings german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ("07.12.2026 09:05:30", german.FormatDateTime({2026, 12, 7, 9, 5, 30}));
    const auto read = german.ParseDateTime("07.12.2026 09:05:30");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ((std::vector<int>{2026, 12, 7, 9, 5, 30}),
              (std::vector<int>{read->year, read->month, read->day, read->hour, read->minute,
                                read->second}));
}

TEST_F(QtPlatformTest, SaveDialogCarriesTheOptionsAndCancelGivesNothing) {
    const FileDialogOptions options{"Parameterdatei speichern", QDir::tempPath(), "anlage", "par",
                                    "Parameterdateien (*.par)"};
    OnModal<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ("Parameterdatei speichern", dialog.windowTitle().toStdString());
        EXPECT_EQ("par", dialog.defaultSuffix().toStdString());
        EXPECT_EQ(QDir::tempPath(), dialog.directory().absolutePath()) << "where the dialog starts";
        EXPECT_EQ("anlage",
                  QFileInfo(dialog.selectedFiles().value(0)).completeBaseName().toStdString())
            << "the name proposed";
        EXPECT_EQ(QStringList{"Parameterdateien (*.par)"}, dialog.nameFilters());
        EXPECT_EQ(QFileDialog::AcceptSave, dialog.acceptMode());
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite)) << "asks first";
        dialog.reject();
    });
    EXPECT_FALSE(FileDialogs::Current().SaveFile(options).has_value());
}

// The application lives on main's stack: a static one would outlive Qt's own globals at exit.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
