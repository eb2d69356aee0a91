#include "cli/DeviceCommands.h"

#include "app/cNivolantis.h"
#include "cli/CliContext.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

/// Starts the application with a progress display registered as its view.
bool StartWithProgress(CliContext& context) {
    if (!context.Start())
        return false;
    if (context.App().Views().empty())
        context.App().AddView(context.progress);
    return true;
}

void AddConnect(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("connect", "Das Gerät an COM1 bis COM16 suchen");
    command->callback([&context] {
        if (!StartWithProgress(context))
            return;
        if (const std::int16_t port = context.App().Connect(); port > 0) {
            std::cout << "COM" << port << ": " << context.App().FirmwareID() << '\n';
        } else {
            std::cerr << "Kein Gerät gefunden.\n";
            context.Fail();
        }
    });
}

void AddRead(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("read", "Das Gerät lesen und als Parameterdatei speichern");
    command->add_option("-o,--output", context.args.out, "Parameterdatei (*.par)")->required();
    command->callback([&context] {
        if (!StartWithProgress(context))
            return;
        cNivolantis& app = context.App();
        if (!app.Upload()) {
            context.Fail();
            return;
        }
        // A backup of what the device holds is saved even when it fails the check.
        if (app.TestData())
            context.Fail();
        if (!app.WriteIni(context.args.out))
            context.Fail();
    });
}

void AddWrite(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("write", "Eine Parameterdatei in das Gerät schreiben");
    command->add_option("file", context.args.file, "Parameterdatei")->required();
    command->callback([&context] {
        if (StartWithProgress(context) && context.LoadFile(context.args.file) &&
            !context.App().Download())
            context.Fail();
    });
}

} // namespace

void AddDeviceCommands(CLI::App& cli, CliContext& context) {
    AddConnect(cli, context);
    AddRead(cli, context);
    AddWrite(cli, context);
}
