#include "cli/ModelCommands.h"

#include "app/cNivolantis.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "cli/DeviceCommands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <stdexcept>

namespace {

/// Runs a model call on a "GROUP/NAME" argument; an unknown name is a usage error (exit 2).
template <typename Call> auto OnField(const std::string& path, Call call) {
    try {
        return call(path);
    } catch (const std::out_of_range& unknown) {
        throw CLI::ValidationError(Tr("ModelCommands", "GRUPPE/NAME"), unknown.what());
    }
}

/// Saves unless the whole-model check fails.
void Save(CliContext& context, const std::string& file) {
    cNivolantis& app = context.App();
    if (app.TestData()) {
        ShowMessage(Tr("ModelCommands",
                       "Parameter fehlerhaft.\r\nDie Daten können nicht gespeichert werden."),
                    MsgIcon::Information);
        context.Fail();
        return;
    }
    if (!app.WriteIni(file))
        context.Fail();
}

void AddDefaults(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "defaults", Tr("ModelCommands", "Die Werkseinstellungen als Parameterdatei speichern"));
    command
        ->add_option("-o,--output", context.args.out, Tr("ModelCommands", "Parameterdatei (*.par)"))
        ->required();
    command->callback([&context] {
        if (context.Start())
            Save(context, context.args.out);
    });
}

void AddCheck(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "check", Tr("ModelCommands", "Eine Parameterdatei laden und vollständig prüfen"));
    command
        ->add_option(Tr("ModelCommands", "datei"), context.args.file,
                     Tr("ModelCommands", "Parameterdatei"))
        ->required();
    command->callback([&context] {
        if (context.LoadFile(context.args.file) && context.App().TestData())
            context.Fail();
    });
}

void AddGet(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "get", Tr("ModelCommands", "Werte einer Parameterdatei ausgeben, je einer pro Zeile"));
    command
        ->add_option(Tr("ModelCommands", "datei"), context.args.file,
                     Tr("ModelCommands", "Parameterdatei"))
        ->required();
    command
        ->add_option(Tr("ModelCommands", "namen"), context.args.names,
                     Tr("ModelCommands", "GRUPPE/NAME, z. B. Eingang/Filter"))
        ->required();
    command->callback([&context] {
        if (!context.LoadFile(context.args.file))
            return;
        std::vector<std::string> values;
        for (const auto& name : context.args.names)
            values.push_back(OnField(
                name, [&context](const std::string& path) { return context.App().Show(path); }));
        for (const auto& value : values)
            std::cout << value << '\n';
    });
}

void AddSet(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "set", Tr("ModelCommands", "Werte setzen wie im Eingabefeld und die Datei speichern"));
    CliContext::Arguments& args = context.args;
    command
        ->add_option(Tr("ModelCommands", "datei"), args.file, Tr("ModelCommands", "Parameterdatei"))
        ->required();
    command
        ->add_option(Tr("ModelCommands", "zuweisungen"), args.names,
                     Tr("ModelCommands", "GRUPPE/NAME=TEXT"))
        ->required();
    command->add_option("-o,--output", args.out,
                        Tr("ModelCommands", "Ziel (sonst die Datei selbst)"));
    AddVariantOption(*command, context);
    command->callback([&context] {
        const CliContext::Arguments& args = context.args;
        if (!context.LoadFile(args.file) || !context.ApplyVariant())
            return;
        std::vector<std::pair<std::string, std::string>> changes;
        for (const auto& assignment : args.names) {
            const auto equals = assignment.find('=');
            if (equals == std::string::npos)
                throw CLI::ValidationError(
                    Tr("ModelCommands", "GRUPPE/NAME=TEXT"),
                    TrArgs(Tr("ModelCommands", "'=' fehlt in '%1'"), {assignment}));
            changes.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
            // Every name is checked before the first value changes.
            OnField(changes.back().first,
                    [&context](const std::string& path) { return context.App().Show(path); });
        }
        bool refused = false;
        for (const auto& [path, text] : changes)
            refused =
                context.App().Assign(path, text) == Configuration::Assigned::Refused || refused;
        if (refused) {
            std::cerr << Tr("ModelCommands", "Nicht gespeichert: eine Eingabe wurde abgelehnt.")
                      << '\n';
            context.Fail();
            return;
        }
        Save(context, args.out.empty() ? args.file : args.out);
    });
}

} // namespace

void AddModelCommands(CLI::App& cli, CliContext& context) {
    AddDefaults(cli, context);
    AddCheck(cli, context);
    AddGet(cli, context);
    AddSet(cli, context);
}
