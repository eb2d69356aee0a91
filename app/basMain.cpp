#include "app/basMain.h"

#include "base/Platform.h"

#include <exception>

std::unique_ptr<cNivolantis> MyNivolantis;

namespace {

void ShowStartError(const std::string& description) {
    ShowMessage("Fehler beim Programmstart in Modul 'basMain': \r\n" + description, MsgIcon::None);
}

void RunStartSequence(StartWindows& windows, const std::string& settingsFile,
                      const std::function<void(cNivolantis&)>& configure) {
    windows.ShowSplash();
    DoEvents(); // once, so that the start-up window is painted
    MyNivolantis = std::make_unique<cNivolantis>(settingsFile);
    if (configure)
        configure(*MyNivolantis);
    windows.ShowSplashStatus("Suche Gerät...");
    MyNivolantis->Connect();
    windows.CloseSplash();
    MyNivolantis->AddView(windows.ShowMain());
    MyNivolantis->AddView(windows.OptionsView());
}

} // namespace

bool StartProgram(StartWindows& windows, const std::string& settingsFile,
                  const std::function<void(cNivolantis&)>& configure) {
    try {
        RunStartSequence(windows, settingsFile, configure);
        return true;
    } catch (const std::exception& error) {
        ShowStartError(error.what());
        return false;
    }
}

bool CreateApplication(const std::string& settingsFile) {
    try {
        MyNivolantis = std::make_unique<cNivolantis>(settingsFile);
        return true;
    } catch (const std::exception& error) {
        ShowStartError(error.what());
        return false;
    }
}
