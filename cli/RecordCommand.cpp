#include "cli/RecordCommand.h"

#include "base/DateTime.h"
#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "files/CommissioningRecord.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <iostream>

namespace {

/// Refuses a day that is not written YYYY-MM-DD, the way the record's times begin, or that no
/// calendar has.
std::string DayRefusal(const std::string& text) {
    static const std::string pattern = "dddd-dd-dd";
    bool fits = text.size() == pattern.size();
    for (std::size_t i = 0; fits && i < text.size(); ++i)
        fits = pattern[i] == 'd' ? std::isdigit(static_cast<unsigned char>(text[i])) != 0
                                 : text[i] == pattern[i];
    fits = fits && DateTime{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                            std::stoi(text.substr(8, 2))}
                       .IsValid();
    return fits ? "" : TrArgs(Tr("RecordCommand", "'%1' ist kein Datum JJJJ-MM-TT."), {text});
}

/// True when the line belongs to the chosen day on and to the chosen device. The day compares
/// as text: the record's times begin with the local date, so the text order is the time order.
bool Chosen(const RecordLine& line, const CliContext::Arguments& args) {
    const auto field = [&line](int index) {
        return index < static_cast<int>(line.fields.size()) ? line.fields[index] : std::string();
    };
    if (!args.since.empty() && field(CommissioningRecord::kTimeField).substr(0, 10) < args.since)
        return false;
    return args.deviceId.empty() ||
           field(CommissioningRecord::kDeviceField).find(args.deviceId) != std::string::npos;
}

void PrintRecord(CliContext& context) {
    const std::string path = CommissioningRecord::ForUser(Platform::Program()).Path();
    const FileResult<std::string> content = ReadFileContent(path);
    if (!content) {
        std::cerr << TrArgs(Tr("RecordCommand",
                               "Das Inbetriebnahmeprotokoll '%1' kann nicht gelesen werden. %2"),
                            {path, content.Failure()})
                  << '\n';
        context.Fail();
        return;
    }
    const std::vector<RecordLine> lines = CommissioningRecord::Lines(*content);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (i == 0 || Chosen(lines[i], context.args))
            std::cout << lines[i].text;
    std::cout.flush();
}

} // namespace

void AddRecordCommand(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "record", Tr("RecordCommand", "Das Inbetriebnahmeprotokoll zeigen (CSV, eine Zeile je "
                                      "Schreiben und Lesen am Gerät)"));
    command
        ->add_option("--since", context.args.since,
                     Tr("RecordCommand", "Nur die Zeilen ab diesem Tag (JJJJ-MM-TT)"))
        ->check(DayRefusal);
    command->add_option(
        "--device", context.args.deviceId,
        Tr("RecordCommand", "Nur die Zeilen der Geräte, deren Kennung diesen Text enthält"));
    command->callback([&context] { PrintRecord(context); });
}
