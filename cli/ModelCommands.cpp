#include "cli/ModelCommands.h"

#include "base/NumberText.h"
#include "base/Platform.h"
#include "app/cNivolantis.h"
#include "cli/CliContext.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>

namespace {

const char* const kDescriptionSection = "Gerätebeschreibung";

/// What a "GROUP/NAME" argument names: a range end, a plain parameter or a description line.
struct Target {
    cRange* range = nullptr;
    bool rangeBegin = false;
    cParameter* parameter = nullptr;
    int descriptionLine = -1;
    std::string groupName;
};

std::optional<int> DescriptionLine(const std::string& name) {
    for (int line = 1; line <= 4; ++line)
        if (name == "Zeile" + std::to_string(line))
            return line - 1;
    if (name == "Anlagenkennzeichen")
        return 4;
    return std::nullopt;
}

/// Resolves "GROUP/NAME"; throws CLI::ValidationError (exit 2) for an unknown name.
Target Resolve(cNivolantis& app, const std::string& path) {
    const auto slash = path.find('/');
    const std::string group = path.substr(0, slash);
    const std::string name = slash == std::string::npos ? "" : path.substr(slash + 1);
    Target target;
    target.groupName = group;
    if (group == kDescriptionSection) {
        if (auto line = DescriptionLine(name)) {
            target.descriptionLine = *line;
            return target;
        }
    } else if (cDataGroup* data = app.Data().Find(group)) {
        for (cRange& range : data->Ranges())
            if (range.RangeBegin().ParName() == name || range.RangeEnd().ParName() == name) {
                target.range = &range;
                target.rangeBegin = range.RangeBegin().ParName() == name;
                target.parameter = target.rangeBegin ? &range.RangeBegin() : &range.RangeEnd();
                return target;
            }
        if ((target.parameter = data->Parameters().Find(name)))
            return target;
    }
    throw CLI::ValidationError("GROUP/NAME", "unbekannter Parameter '" + path + "'");
}

std::string Show(cNivolantis& app, const Target& target) {
    if (target.descriptionLine >= 0)
        return app.GetDescription(target.descriptionLine);
    return NumberToText(target.parameter->Value());
}

/// Hands the text to the model as the main window's field would, including the limit update
/// that follows the measuring range, the scaling and the decimal places.
void Assign(cNivolantis& app, const Target& target, const std::string& text) {
    if (target.descriptionLine >= 0) {
        app.SetDescription(target.descriptionLine, text);
        return;
    }
    if (target.range) {
        target.rangeBegin ? target.range->SetRangeBegin(text) : target.range->SetRangeEnd(text);
        const std::string& name = target.range->RangeName();
        if (target.groupName == "Eingang" && (name == "Messbereich" || name == "Skalierung"))
            app.UpdateLimits();
        return;
    }
    target.parameter->setValue(text);
    if (target.groupName == "Eingang" && target.parameter->ParName() == "Skalenkomma")
        app.UpdateLimits();
}

/// Saves unless the whole-model check fails.
void Save(CliContext& context, const std::string& file) {
    cNivolantis& app = context.App();
    if (app.TestData()) {
        ShowMessage("Parameter fehlerhaft.\r\nDie Daten können nicht gespeichert werden.",
                    MsgIcon::Information);
        context.Fail();
        return;
    }
    if (!app.WriteIni(file))
        context.Fail();
}

void AddDefaults(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("defaults", "Die Werkseinstellungen als Parameterdatei speichern");
    static std::string out;
    command->add_option("-o,--output", out, "Parameterdatei (*.par)")->required();
    command->callback([&context] {
        if (context.Start())
            Save(context, out);
    });
}

void AddCheck(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("check", "Eine Parameterdatei laden und vollständig prüfen");
    static std::string file;
    command->add_option("file", file, "Parameterdatei")->required();
    command->callback([&context] {
        if (context.LoadFile(file) && context.App().TestData())
            context.Fail();
    });
}

void AddGet(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("get", "Werte einer Parameterdatei ausgeben, je einer pro Zeile");
    static std::string file;
    static std::vector<std::string> names;
    command->add_option("file", file, "Parameterdatei")->required();
    command->add_option("names", names, "GRUPPE/NAME, z. B. Eingang/Filter")->required();
    command->callback([&context] {
        if (!context.LoadFile(file))
            return;
        std::vector<Target> targets;
        for (const auto& name : names)
            targets.push_back(Resolve(context.App(), name));
        for (const auto& target : targets)
            std::cout << Show(context.App(), target) << '\n';
    });
}

void AddSet(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("set", "Werte setzen wie im Eingabefeld und die Datei speichern");
    static std::string file, out;
    static std::vector<std::string> assignments;
    command->add_option("file", file, "Parameterdatei")->required();
    command->add_option("assignments", assignments, "GRUPPE/NAME=TEXT")->required();
    command->add_option("-o,--output", out, "Ziel (sonst die Datei selbst)");
    command->callback([&context] {
        if (!context.LoadFile(file))
            return;
        std::vector<std::pair<Target, std::string>> changes;
        for (const auto& assignment : assignments) {
            const auto equals = assignment.find('=');
            if (equals == std::string::npos)
                throw CLI::ValidationError("GROUP/NAME=TEXT", "'=' fehlt in '" + assignment + "'");
            changes.emplace_back(Resolve(context.App(), assignment.substr(0, equals)),
                                 assignment.substr(equals + 1));
        }
        const int before = context.MessageCount();
        for (const auto& [target, text] : changes)
            Assign(context.App(), target, text);
        if (context.MessageCount() != before) {
            std::cerr << "Nicht gespeichert: eine Eingabe wurde abgelehnt.\n";
            context.Fail();
            return;
        }
        Save(context, out.empty() ? file : out);
    });
}

} // namespace

void AddModelCommands(CLI::App& cli, CliContext& context) {
    AddDefaults(cli, context);
    AddCheck(cli, context);
    AddGet(cli, context);
    AddSet(cli, context);
}
