#include "cli/PortSettingCommand.h"

#include "cli/CliContext.h"
#include "device/cSerCom.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

/// "COMn=PATH" split; port 0 when the name is no COM1 to COM16 or the "=" is missing.
std::pair<int, std::string> PortChoice(const std::string& text) {
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        return {0, {}};
    return {cSerCom::PortNumber(text.substr(0, equals)), text.substr(equals + 1)};
}

} // namespace

void AddPortSettingCommand(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "save-port", "Die Gerätedatei einer Schnittstelle in den eigenen Einstellungen festhalten");
    command
        ->add_option("ZUORDNUNG", context.args.file,
                     "COMn=GERÄTEDATEI oder COMn=tcp://RECHNER:PORT oder "
                     "COMn=rfc2217://RECHNER:PORT; ohne Gerätedatei gilt wieder die Vorgabe")
        ->required();
    command->callback([&context] {
        const auto [port, path] = PortChoice(context.args.file);
        if (port == 0) {
            std::cerr << "Unbekannte Schnittstelle in '" << context.args.file
                      << "' (erwartet: COMn=GERÄTEDATEI, n von 1 bis 16).\n";
            context.Fail(kExitUsage);
            return;
        }
        const SettingsFiles settings = context.Settings();
        if (const std::string failure = settings.SavePortPath(port, path); !failure.empty()) {
            std::cerr << "Fehler beim Speichern der Datei '" << settings.ChoicesFile()
                      << "': " << failure << '\n';
            context.Fail();
            return;
        }
        std::cout << "COM" << port << " -> " << (path.empty() ? "Vorgabe" : path) << " in "
                  << settings.ChoicesFile() << '\n';
    });
}
