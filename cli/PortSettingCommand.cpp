#include "cli/PortSettingCommand.h"

#include "base/Translation.h"
#include "cli/CliContext.h"
#include "device/PortNames.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

/// "COMn=PATH" split; port 0 when the name is no COM1 to COM16 or the "=" is missing.
std::pair<int, std::string> PortChoice(const std::string& text) {
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        return {0, {}};
    return {PortNames::PortNumber(text.substr(0, equals)), text.substr(equals + 1)};
}

} // namespace

void AddPortSettingCommand(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "save-port",
        Tr("PortSettingCommand",
           "Die Gerätedatei einer Schnittstelle in den eigenen Einstellungen festhalten"));
    command
        ->add_option(Tr("PortSettingCommand", "ZUORDNUNG"), context.args.file,
                     Tr("PortSettingCommand",
                        "COMn=GERÄTEDATEI oder COMn=tcp://RECHNER:PORT oder "
                        "COMn=rfc2217://RECHNER:PORT; ohne Gerätedatei gilt wieder die Vorgabe"))
        ->required();
    command->callback([&context] {
        const auto [port, path] = PortChoice(context.args.file);
        if (port == 0) {
            std::cerr << TrArgs(Tr("PortSettingCommand", "Unbekannte Schnittstelle in '%1' "
                                                         "(erwartet: COMn=GERÄTEDATEI, n von 1 "
                                                         "bis 16)."),
                                {context.args.file})
                      << '\n';
            context.Fail(kExitUsage);
            return;
        }
        const SettingsFiles settings = context.Settings();
        if (const std::string failure = settings.SavePortPath(port, path); !failure.empty()) {
            std::cerr << TrArgs(
                             Tr("PortSettingCommand", "Fehler beim Speichern der Datei '%1': %2"),
                             {settings.ChoicesFile(), failure})
                      << '\n';
            context.Fail();
            return;
        }
        std::cout << TrArgs(Tr("PortSettingCommand", "COM%1 -> %2 in %3"),
                            {std::to_string(port),
                             (path.empty() ? Tr("PortSettingCommand", "Vorgabe") : path),
                             settings.ChoicesFile()})
                  << '\n';
    });
}
