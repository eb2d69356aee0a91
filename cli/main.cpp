#include "app/basMain.h"
#include "base/CommandLine.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "cli/CliMessageService.h"
#include "cli/DeviceCommands.h"
#include "cli/FirmwareCommands.h"
#include "cli/ListDiffCommands.h"
#include "cli/ModelCommands.h"
#include "cli/PlatformServices.h"
#include "cli/PortSettingCommand.h"
#include "cli/RecordCommand.h"
#include "cli/ReportCommand.h"
#include "commandline/ProgramCli.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    Language language = ProgramCli::ChosenLanguage(argc, argv);
    const auto texts = ProgramCli::InstallTexts(language);
    auto messages = std::make_unique<CliMessageService>();
    CliContext context(*messages);
    context.language = language;
    Platform::Install(std::move(messages));
    InstallRegionalSettings();

    CLI::App cli{
        Tr("CliMain", "NivoConfig ohne Fenster: Parameterdateien und Geräte der Nivolantis K417"),
        "nivoconfig-cli"};
    ProgramCli::Setup(cli, "nivoconfig-cli", language);
    cli.require_subcommand(1);
    cli.add_option(
        "--settings", context.settingsFile,
        Tr("CliMain", "Einstellungsdatei statt der installierten und der eigenen NivoConfig.ini"));
    cli.add_option("--port", context.ports,
                   Tr("CliMain", "COMn=GERÄTEDATEI, oder nur GERÄTEDATEI für COM1 (mehrfach "
                                 "möglich); statt der Gerätedatei auch tcp://RECHNER:PORT oder "
                                 "rfc2217://RECHNER:PORT"));
    cli.add_flag("--demo", context.demo,
                 Tr("CliMain", "COM1 mit dem eingebauten simulierten Gerät verbinden"));
    cli.add_option("--trace", context.traceFile,
                   Tr("CliMain", "Jedes Byte zum und vom Gerät mit Uhrzeit in diese Textdatei "
                                 "anhängen (Mitschnitt)"))
        ->type_name(Tr("CliMain", "DATEI"));
    cli.add_flag(
        "--no-record", context.noRecord,
        Tr("CliMain", "Die Vorgänge am Gerät nicht ins Inbetriebnahmeprotokoll schreiben"));
    AddModelCommands(cli, context);
    AddDeviceCommands(cli, context);
    AddFirmwareCommands(cli, context);
    AddReportCommand(cli, context);
    AddPortSettingCommand(cli, context);
    AddListDiffCommands(cli, context);
    AddRecordCommand(cli, context);
    for (CLI::App* command : cli.get_subcommands({}))
        command->group(Tr("CliMain", "Befehle"));

    UseUtf8Console();
    std::vector<std::string> arguments = Utf8Arguments(argc, argv);
    std::vector<char*> utf8Argv;
    for (std::string& argument : arguments)
        utf8Argv.push_back(argument.data());
    try {
        cli.parse(argc, utf8Argv.data());
    } catch (const CLI::Error& error) {
        // The framework checks for a command before it looks at what it did not know: "foo" or
        // "--foo" would be reported as a missing command.
        const std::vector<std::string> unknown = cli.remaining();
        const bool missing = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr;
        const int code =
            missing && !unknown.empty() ? cli.exit(CLI::ExtrasError(unknown)) : cli.exit(error);
        return code == 0 ? kExitOk : kExitUsage;
    }
    context.EndTrace();
    MyNivolantis.reset();
    return context.exitCode;
}
