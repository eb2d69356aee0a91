// NivoConfig: the configuration program with its windows.
//   NivoConfig [--lang de|en] [--demo] [--screenshots FOLDER] [--settings FILE] [1] [2] [3]
//              [FILE.par]
// An argument that names an existing file is the parameter file to open. In every other argument
// the digits 1, 2 and 3 show the service pages 6, 7 and 8, wherever they stand. --settings replaces
// the installed and the user's settings. --lang chooses the language of the texts instead of the
// user's interface language.
// --demo serves COM1 with the built-in simulated device; --screenshots writes a picture of every
// page and of the two small windows into FOLDER and ends. --help and --version answer without
// a display. Exit codes: 0 done, 1 start failed, 2 usage.
#include "app/basMain.h"
#include "base/Translation.h"
#include "commandline/ProgramCli.h"
#include "device/cSerCom.h"
#include "platform/ProgramTexts.h"
#include "platform/QtPlatform.h"
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
std::optional<int> AnswerWithoutWindows(int argc, char** argv, Language language) {
    CLI::App app{Tr("NivoConfig", "Konfigurationsprogramm für Nivolantis K417"), "NivoConfig"};
    ProgramCli::Setup(app, "NivoConfig", language);
    app.allow_extras();
    // Only checked here; main reads them from the arguments Qt leaves.
    bool demo = false;
    std::string folder;
    std::string settings;
    std::vector<std::string> pages;
    app.add_flag("--demo", demo, Tr("NivoConfig", "COM1 ist das eingebaute simulierte Gerät"));
    app.add_option("--screenshots", folder,
                   Tr("NivoConfig", "Bilder jeder Seite in diesen Ordner schreiben und beenden"))
        ->type_name(Tr("NivoConfig", "ORDNER"));
    app.add_option("--settings", settings,
                   Tr("NivoConfig",
                      "Einstellungsdatei statt der installierten und der eigenen NivoConfig.ini"))
        ->type_name(Tr("NivoConfig", "DATEI"));
    app.add_option(Tr("NivoConfig", "SEITEN"), pages,
                   Tr("NivoConfig", "Eine vorhandene Parameterdatei wird geöffnet; in jedem "
                                    "anderen Argument zeigen die Ziffern 1, 2, 3 die "
                                    "Service-Seiten 6, 7, 8"))
        ->type_name(Tr("NivoConfig", "ZIFFERN|DATEI"));
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kUsage;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    const Language language = ProgramCli::ChosenLanguage(argc, argv);
    // Ends before the application object, which its translators leave at the end.
    std::optional<ProgramTexts> texts(std::in_place, language, ProgramTexts::InstalledFolder());
    if (const auto answered = AnswerWithoutWindows(argc, argv, language))
        return *answered;
    if (!texts->Complete())
        std::cerr << "NivoConfig: the English texts are missing in "
                  << ProgramTexts::InstalledFolder().toStdString() << "; the texts stay German.\n";
    QApplication application(argc, argv);
    texts->InstallIntoApplication();
    InstallQtPlatform();

    const StartArguments arguments = StartArguments::Parse(QApplication::arguments().mid(1));
    std::unique_ptr<DemoDevice> device;
    auto configure = [&device, demo = arguments.demo](cNivolantis& app) {
        if (demo && (device = StartDemoDevice()))
            app.Ports().setPortPath(1, device->PortPath());
    };
    int result = 1;
    {
        QtStartWindows windows(arguments);
        if (StartProgram(windows, arguments.Settings(), configure)) {
            windows.OpenFileArgument();
            if (arguments.screenshots.isEmpty())
                result = application.exec();
            else
                result = WriteScreenshots(*windows.Main(), *windows.Options(), *MyNivolantis,
                                          arguments.screenshots)
                             ? 0
                             : 1;
        }
    } // the windows end before the application object they show
    MyNivolantis.reset();
    texts.reset();
    return result;
}
