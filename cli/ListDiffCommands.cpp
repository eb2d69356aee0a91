#include "cli/ListDiffCommands.h"

#include "app/cNivolantis.h"
#include "base/NumberText.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <iostream>
#include <map>

namespace {

/// What one entry of the configuration shows: its value and, for parameters, what it allows.
/// Choice texts and units are in the user's language.
struct Entry {
    std::string value;    ///< "2", "0 (Arbeitstrom)", a description line's text
    std::string allowed;  ///< "0..255 s", "0: Arbeitstrom, 1: Ruhestrom"; empty for lines
    double number = 0;    ///< the value; 0 for lines
    double factor = 0;    ///< steps per unit in the device; 0 for lines
    std::string caption;  ///< the name as users read it: "Relay function A" in English
    bool changed = false; ///< the value differs from the factory default; never for lines
};

/// "0 (Arbeitstrom)" for a choice, the number and unit otherwise.
std::string ValueText(const cParameter& parameter) {
    const std::string number = NumberToText(parameter.Value());
    if (parameter.DescriptionCount() > 0) {
        const std::string text = parameter.Description(number);
        return text.empty() ? number : number + " (" + CatalogueText::Choice(text) + ")";
    }
    return parameter.Unit().empty() ? number
                                    : number + " " + CatalogueText::Choice(parameter.Unit());
}

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

/// Every entry under its "GROUP/NAME", in the order of the parameter file.
std::vector<std::pair<std::string, Entry>> Entries(const cNivolantis& app) {
    std::vector<std::pair<std::string, Entry>> entries;
    app.ForEachParameter([&entries](const cDataGroup& group, const cParameter& parameter) {
        entries.push_back(
            {group.GroupName() + "/" + parameter.ParName(),
             {ValueText(parameter), AllowedText(parameter), parameter.Value(), parameter.Factor(),
              CatalogueText::Caption(parameter.ParName()), parameter.DiffersFromDefault()}});
    });
    for (int line = 0; line < cNivolantis::kDescriptionCount; ++line) {
        const std::string key = Configuration::DescriptionKey(line);
        entries.push_back({std::string(Catalogue::kDescriptionSection) + "/" + key,
                           {app.GetDescription(line), "", 0, 0, CatalogueText::Caption(key)}});
    }
    return entries;
}

/// The paths stay the German keys that scripts and the parameter file use; in English the
/// caption follows at the end of the line, where a script reading "PATH = VALUE" passes it by.
std::string CaptionNote(const CliContext& context, const Entry& entry) {
    return context.language == Language::English ? "  # " + entry.caption : "";
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
                        Tr("ListDiffCommands", "nur diese GRUPPE, z. B. Grenzwerte"));
    command->callback([&context] {
        if (!context.LoadFile(context.args.file))
            return;
        const auto entries = Entries(context.App());
        bool any = false;
        for (const auto& [path, entry] : entries) {
            if (!InGroup(path, context.args.second))
                continue;
            any = true;
            std::cout << (entry.changed ? "* " : "  ") << path << " = " << entry.value
                      << (entry.allowed.empty() ? "" : " [" + entry.allowed + "]")
                      << CaptionNote(context, entry) << '\n';
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
    const auto before = Entries(context.App());
    if (!LoadSecond(context))
        return;
    const auto after = Entries(context.App());
    bool equal = true;
    // The device keeps each value in its own steps: a file value between two steps is what
    // the device holds when it falls on the same step.
    const auto differ = [&context](const Entry& file, const Entry& device) {
        if (!context.args.device)
            return file.value != device.value;
        return std::lround(file.number * device.factor) !=
               std::lround(device.number * device.factor);
    };
    for (std::size_t i = 0; i < before.size(); ++i)
        if (differ(before[i].second, after[i].second)) {
            equal = false;
            std::cout << before[i].first << ": " << before[i].second.value << " → "
                      << after[i].second.value << CaptionNote(context, before[i].second) << '\n';
        }
    if (!equal)
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
                                       Tr("ListDiffCommands", "zweite Parameterdatei"));
    auto* device =
        command->add_flag("--device", context.args.device,
                          Tr("ListDiffCommands", "mit dem Gerät vergleichen (es wird gelesen)"));
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
