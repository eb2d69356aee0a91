// NivoConfig: the configuration program with its windows.
//   NivoConfig [--demo] [--screenshots FOLDER] [1] [2] [3]
// The digits 1, 2 and 3 anywhere on the command line show the service pages 6, 7 and 8.
// --demo serves COM1 with the built-in simulated device; --screenshots writes a picture of every
// page and of the two small windows into FOLDER and ends. --help and --version answer without
// a display. Exit codes: 0 done, 1 start failed, 2 usage.
#include "app/basMain.h"
#include "cli/GermanCli.h"
#include "device/cSerCom.h"
#include "platform/QtPlatform.h"
#include "platform/QtTranslations.h"
#include "sim/DemoDevice.h"
#include "ui/QtStartWindows.h"
#include "ui/Screenshots.h"
#include "ui/main/frmMain.h"
#include "ui/service/frmOptionen.h"

#include <CLI/CLI.hpp>
#include <QApplication>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kUsage = 2;

/// The exit code when the command line asks for help or the version, or is broken: answered
/// before the window system is needed. Qt's own options pass as extras.
std::optional<int> AnswerWithoutWindows(int argc, char** argv) {
    CLI::App app{"Konfigurationsprogramm für Nivolantis K417", "NivoConfig"};
    GermanCli::Setup(app, "NivoConfig");
    app.allow_extras();
    // Only checked here; main reads them from the arguments Qt leaves.
    bool demo = false;
    std::string folder;
    std::vector<std::string> pages;
    app.add_flag("--demo", demo, "COM1 ist das eingebaute simulierte Gerät");
    app.add_option("--screenshots", folder,
                   "Bilder jeder Seite in diesen Ordner schreiben und beenden")
        ->type_name("ORDNER");
    app.add_option("SEITEN", pages, "die Ziffern 1, 2, 3 zeigen die Service-Seiten 6, 7, 8")
        ->type_name("ZIFFERN");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kUsage;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto answered = AnswerWithoutWindows(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    const auto translations = InstallQtTranslations();
    InstallQtPlatform();

    QStringList arguments = QApplication::arguments().mid(1);
    const bool demo = arguments.removeAll("--demo") > 0;
    QString screenshots;
    if (const int at = arguments.indexOf("--screenshots"); at >= 0 && at + 1 < arguments.size()) {
        screenshots = arguments.takeAt(at + 1);
        arguments.removeAt(at);
        arguments << "123"; // every page
    }

    std::unique_ptr<DemoDevice> device;
    auto configure = [&device, demo](cNivolantis& app) {
        if (demo && (device = StartDemoDevice(app)))
            app.SerCom().setPortPath(1, device->PortPath());
    };
    QtStartWindows windows(arguments.join(' '));
    if (!StartProgram(windows, cNivolantis::DefaultSettingsFile(), configure))
        return 1;

    int result = 0;
    if (screenshots.isEmpty())
        result = application.exec();
    else if (!WriteScreenshots(*windows.Main(), windows.Options(), screenshots))
        result = 1;
    MyNivolantis.reset(); // the application object ends before the windows go
    return result;
}
