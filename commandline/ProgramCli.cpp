#include "commandline/ProgramCli.h"

#include "base/ProgramInfo.h"
#include "base/Translation.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <optional>
#include <regex>
#include <string_view>
#include <utility>
#include <vector>

namespace {

/// English messages of the framework and their German form (first match wins). "%1" to "%4"
/// stand for texts of at least one character.
const std::pair<const char*, const char*> kMessages[] = {
    {"A subcommand is required", "Ein Befehl fehlt."},
    {"Requires at most 1 subcommand", "Nur ein Befehl ist erlaubt."},
    {"Requires at most 1 subcommands", "Nur ein Befehl ist erlaubt."},
    {"%1 is required", "Angabe '%1' fehlt."},
    {"The following argument was not expected: %1", "Unerwartete Angabe: %1"},
    {"The following arguments were not expected: %1", "Unerwartete Angabe: %1"},
    {"%1: %2 required %3 missing", "%1: Wert fehlt."},
    {"Could not convert: %1 = %2", "%1: '%2' ist kein gültiger Wert."},
    {"%1: Value %2 not in range %3 to %4", "%1: %2 liegt nicht im Bereich %3 bis %4."},
    {"%1: %2 not in {%3}", "%1: '%2' ist nicht erlaubt (erlaubt: %3)."},
    {"%1: File does not exist: %2", "%1: Datei '%2' gibt es nicht."},
    {"%1 excludes %2", "%1 und %2 schließen einander aus."},
    {"%1 requires %2", "%1 braucht %2."},
    {"%1: Value must be a positive number", "%1: eine Zahl größer 0 ist nötig."},
    {"%1: Value must be a non-negative number", "%1: eine Zahl ab 0 ist nötig."},
};

/// The texts that stand for "%1", "%2", … when `message` has the form `pattern`. A placeholder
/// ends at the first occurrence of the text after it (the last text at the message's end), so
/// one pass decides, however long the message (a user's argument) is.
std::optional<std::vector<std::string>> Match(std::string_view message, std::string_view pattern) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    bool open = false; // a placeholder waits for the text that ends it
    while (!pattern.empty()) {
        const std::size_t mark = pattern.find('%');
        const bool last = mark == std::string_view::npos;
        const std::string_view literal = pattern.substr(0, mark);
        pattern.remove_prefix(last ? pattern.size() : mark + 2);
        std::size_t found = std::string_view::npos;
        if (!open)
            found = message.substr(at).starts_with(literal) ? at : found;
        else if (!last)
            found = message.find(literal, at + 1);
        else if (message.size() > at + literal.size() && message.ends_with(literal))
            found = message.size() - literal.size();
        if (found == std::string_view::npos)
            return std::nullopt;
        if (open)
            parts.emplace_back(message.substr(at, found - at));
        at = found + literal.size();
        open = !last;
    }
    if (open && at < message.size()) {
        parts.emplace_back(message.substr(at));
        at = message.size();
    }
    if (at != message.size())
        return std::nullopt;
    return parts;
}

std::string German(const std::string& message) {
    for (const auto& [english, german] : kMessages) {
        if (auto parts = Match(message, english)) {
            parts->resize(4);
            return TrArgs(german, {(*parts)[0], (*parts)[1], (*parts)[2], (*parts)[3]});
        }
    }
    return message;
}

/// The value placeholders of the option list ("INT:INT in [0 - 255]") in German.
class GermanFormatter : public CLI::Formatter {
public:
    std::string make_option_opts(const CLI::Option* option) const override {
        static const std::pair<std::regex, const char*> kWords[] = {
            {std::regex("\\b(INT|UINT|FLOAT)\\b"), "ZAHL"},
            {std::regex("\\bFILE\\b"), "DATEI"},
            {std::regex("\\bNONNEGATIVE\\b"), "AB 0"},
            {std::regex("\\bPOSITIVE\\b"), "ÜBER 0"},
            {std::regex(" in \\[(-?[0-9.]+) - (-?[0-9.]+)\\]"), " VON $1 BIS $2"},
        };
        std::string text = CLI::Formatter::make_option_opts(option);
        for (const auto& [english, german] : kWords)
            text = std::regex_replace(text, english, german);
        return text;
    }

    /// The framework pads the left column by bytes; "GERÄTEDATEI" would push its description one
    /// column to the right of the others.
    std::string make_option(const CLI::Option* option, bool positional) const override {
        std::string text = "  " + make_option_name(option, positional) + make_option_opts(option);
        const std::size_t width = get_column_width();
        const auto shown = static_cast<std::size_t>(
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
        text.append(width > shown ? width - shown : 0, ' ');
        const std::string description = make_option_desc(option);
        if (!description.empty() && shown >= width)
            text += "\n" + std::string(width, ' ');
        for (const char c : description)
            text += c == '\n' ? "\n" + std::string(width, ' ') : std::string(1, c);
        return text + "\n";
    }
};

/// A subcommand's help flag is made before it takes the group of its parent's options, so its
/// help would show it under an English heading of its own.
void GroupHelpFlags(CLI::App& app, const std::string& group) {
    for (CLI::App* command : app.get_subcommands({})) {
        if (CLI::Option* help = command->get_help_ptr())
            help->group(group);
        GroupHelpFlags(*command, group);
    }
}

/// "nivosim: <what went wrong>.", then where to find help.
std::string FailureMessage(const CLI::App* app, const std::string& what) {
    std::string text = what;
    if (!text.empty() && text.back() != '.')
        text += '.';
    return app->get_name() + ": " + text + "\n" +
           TrArgs(Tr("ProgramCli", "Hilfe: %1 --help"), {app->get_name()}) + "\n";
}

void SetGermanTexts(CLI::App& app) {
    auto format = std::make_shared<GermanFormatter>();
    app.formatter(format);
    format->label("Usage", "Aufruf");
    format->label("OPTIONS", "OPTIONEN");
    format->label("SUBCOMMAND", "BEFEHL");
    format->label("SUBCOMMANDS", "BEFEHLE");
    format->label("REQUIRED", "PFLICHT");
    format->label("Positionals", "Angaben");
    format->label("Needs", "Braucht");
    format->label("Excludes", "Schließt aus");
    app.option_defaults()->group("Optionen");
    app.preparse_callback([&app](std::size_t) { GroupHelpFlags(app, "Optionen"); });
    app.failure_message([](const CLI::App* app, const CLI::Error& error) {
        return FailureMessage(app, German(error.what()));
    });
}

} // namespace

namespace ProgramCli {

std::string VersionText(const std::string& program) {
    return program + " (NivoConfig " + ProgramInfo{}.VersionText() + ")";
}

CLI::Validator PositiveNumber() {
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            double number = 0;
            return CLI::detail::lexical_cast(text, number) && number > 0
                       ? ""
                       : "Value must be a positive number";
        },
        "POSITIVE");
}

CLI::Validator NonNegativeNumber() {
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            double number = -1;
            return CLI::detail::lexical_cast(text, number) && number >= 0
                       ? ""
                       : "Value must be a non-negative number";
        },
        "NONNEGATIVE");
}

Language ChosenLanguage(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::string_view value;
        if (argument == "--lang" && i + 1 < argc)
            value = argv[i + 1];
        else if (argument.substr(0, 7) == "--lang=")
            value = argument.substr(7);
        if (value == "de" || value == "en")
            return value == "de" ? Language::German : Language::English;
    }
    return InterfaceLanguage();
}

void Setup(CLI::App& app, const std::string& program, Language language) {
    if (language == Language::German) {
        SetGermanTexts(app);
    } else {
        app.failure_message([](const CLI::App* app, const CLI::Error& error) {
            return FailureMessage(app, error.what());
        });
    }
    app.set_help_flag("-h,--help", Tr("ProgramCli", "Diese Hilfe zeigen und beenden"));
    app.set_version_flag("--version", VersionText(program),
                         Tr("ProgramCli", "Die Version zeigen und beenden"));
    app.add_option_function<std::string>(
           "--lang", [](const std::string&) {},
           Tr("ProgramCli", "Sprache der Texte: de oder en (ohne: die Sprache der Sitzung)"))
        ->check(CLI::IsMember({"de", "en"}))
        ->type_name(Tr("ProgramCli", "SPRACHE"));
}

} // namespace ProgramCli
