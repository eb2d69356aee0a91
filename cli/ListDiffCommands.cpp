#include "cli/ListDiffCommands.h"

#include "app/ConfigurationDiff.h"
#include "app/cNivolantis.h"
#include "base/NumberText.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "model/CatalogueText.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <iostream>

namespace {

/// The choices within the current limits, or the limits themselves.
std::string AllowedText(const cParameter& parameter) {
    if (parameter.DescriptionCount() == 0)
        return NumberToText(parameter.LowerLimit()) + ".." + NumberToText(parameter.UpperLimit());
    std::string choices;
    for (auto key = static_cast<long>(std::ceil(parameter.LowerLimit()));
         key <= static_cast<long>(parameter.UpperLimit()); ++key)
        if (const std::string text = parameter.Description(std::to_string(key)); !text.empty())
            choices += (choices.empty() ? "" : ", ") + std::to_string(key) + ": " +
                       CatalogueText::Choice(text);
    return choices;
}

/// The paths stay the German keys that scripts and the parameter file use; in English the
/// caption follows at the end of the line, where a script reading "PATH = VALUE" passes it by.
std::string CaptionNote(const CliContext& context, const std::string& caption) {
    return context.language == Language::English ? "  # " + caption : "";
}

bool InGroup(const std::string& path, const std::string& group) {
    return group.empty() || path.compare(0, group.size() + 1, group + "/") == 0;
}

void AddList(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "list", Tr("ListDiffCommands",
                   "Alle Parameter einer Datei mit Wert, Einheit und erlaubten Werten ausgeben"));
    command
        ->add_option(Tr("ListDiffCommands", "datei"), context.args.file,
                     Tr("ListDiffCommands", "Parameterdatei"))
        ->required();
    command->add_option(Tr("ListDiffCommands", "gruppe"), context.args.second,
                        Tr("ListDiffCommands", "Nur diese GRUPPE, z. B. Grenzwerte"));
    command->callback([&context] {
        if (!context.LoadFile(context.args.file))
            return;
        bool any = false;
        for (const ConfigurationEntry& entry : ConfigurationDiff::Entries(context.App().Config())) {
            if (!InGroup(entry.path, context.args.second))
                continue;
            any = true;
            const std::string allowed = entry.parameter ? AllowedText(*entry.parameter) : "";
            // The first column marks what differs from the factory settings.
            const bool changed = entry.parameter && entry.parameter->DiffersFromDefault();
            std::cout << (changed ? "* " : "  ") << entry.path << " = " << entry.value
                      << (allowed.empty() ? "" : " [" + allowed + "]")
                      << CaptionNote(context, entry.caption) << '\n';
        }
        if (!any)
            throw CLI::ValidationError(
                Tr("ListDiffCommands", "GRUPPE"),
                TrArgs(Tr("ListDiffCommands", "unbekannte Gruppe '%1'"), {context.args.second}));
    });
}

/// Loads the second configuration over the first: a parameter file, or the device.
bool LoadSecond(CliContext& context) {
    cNivolantis& app = context.App();
    if (context.args.device) {
        if (app.Views().empty())
            context.progressView = app.AddView(context.progress);
        if (!app.Upload()) {
            context.Fail();
            return false;
        }
        return true;
    }
    app.SetDefaults();
    return context.LoadFile(context.args.second);
}

void Compare(CliContext& context) {
    if (!context.LoadFile(context.args.file))
        return;
    const auto before = ConfigurationDiff::Entries(context.App().Config());
    if (!LoadSecond(context))
        return;
    const auto differences = ConfigurationDiff::Compare(
        before, ConfigurationDiff::Entries(context.App().Config()), context.args.device);
    for (const ConfigurationDifference& difference : differences)
        std::cout << difference.path << ": " << difference.mine << " → " << difference.other
                  << CaptionNote(context, difference.caption) << '\n';
    if (!differences.empty())
        context.Fail();
}

void AddDiff(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "diff", Tr("ListDiffCommands", "Zwei Parameterdateien, oder eine Datei und das Gerät, "
                                       "vergleichen (Exit 0: gleich, 1: verschieden)"));
    command
        ->add_option(Tr("ListDiffCommands", "datei"), context.args.file,
                     Tr("ListDiffCommands", "Parameterdatei"))
        ->required();
    auto* second = command->add_option(Tr("ListDiffCommands", "datei2"), context.args.second,
                                       Tr("ListDiffCommands", "Zweite Parameterdatei"));
    auto* device =
        command->add_flag("--device", context.args.device,
                          Tr("ListDiffCommands", "Mit dem Gerät vergleichen (es wird gelesen)"));
    second->excludes(device);
    command->callback([&context] {
        if (context.args.second.empty() && !context.args.device)
            throw CLI::ValidationError(
                "diff", Tr("ListDiffCommands", "zweite Parameterdatei oder --device fehlt"));
        Compare(context);
    });
}

} // namespace

void AddListDiffCommands(CLI::App& cli, CliContext& context) {
    AddList(cli, context);
    AddDiff(cli, context);
}
