#include "app/basMain.h"

#include "base/Platform.h"
#include "base/Translation.h"

#include <exception>

std::unique_ptr<cNivolantis> MyNivolantis;

namespace {

void ShowStartError(const std::string& description) {
    const std::string text = TrArgs(
        Tr("basMain", "Fehler beim Programmstart in Modul 'basMain': \r\n%1"), {description});
    ShowMessage(text, MsgIcon::None);
}

/// The ports this user may not open, each with what to do about it; empty when a device was
/// found or no port was refused.
std::string RefusedPorts(const cNivolantis& app) {
    std::string refused;
    if (app.PortNr() > 0)
        return refused;
    for (const PortProbe& probe : app.LastSearch())
        if (probe.outcome == PortProbe::kNoPermission)
            refused += (refused.empty() ? "" : "\r\n") + probe.detail;
    return refused;
}

void RunStartSequence(StartWindows& windows, const SettingsFiles& settings,
                      const std::function<void(cNivolantis&)>& configure) {
    windows.ShowSplash();
    DoEvents(); // once, so that the start-up window is painted
    MyNivolantis = std::make_unique<cNivolantis>(settings);
    if (configure)
        configure(*MyNivolantis);
    windows.ShowSplashStatus(Tr("basMain", "Suche Gerät..."));
    MyNivolantis->Connect();
    const std::string refused = RefusedPorts(*MyNivolantis);
    if (!refused.empty())
        windows.ShowSplashStatus(refused);
    windows.CloseSplash();
    windows.ShowMain(*MyNivolantis);
    windows.MakeOptions(*MyNivolantis);
    if (!refused.empty())
        windows.ShowStartNote(refused);
}

} // namespace

bool StartProgram(StartWindows& windows, const SettingsFiles& settings,
                  const std::function<void(cNivolantis&)>& configure) {
    try {
        RunStartSequence(windows, settings, configure);
        return true;
    } catch (const std::exception& error) {
        ShowStartError(error.what());
        return false;
    }
}

bool CreateApplication(const SettingsFiles& settings) {
    try {
        MyNivolantis = std::make_unique<cNivolantis>(settings);
        return true;
    } catch (const std::exception& error) {
        ShowStartError(error.what());
        return false;
    }
}
