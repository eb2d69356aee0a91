#include "cli/ReportCommand.h"

#include "app/cNivolantis.h"
#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "cli/PlatformServices.h"
#include "report/TextPrinter.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

bool IsPdfName(const std::string& file) {
    std::string extension = std::filesystem::path(file).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".pdf";
}

/// The report as text into the file, replacing it only when complete.
void SaveText(CliContext& context, const std::string& file, const std::string& text) {
    if (const FileResult<> saved = ReplaceFileContent(file, text); !saved) {
        std::cerr << TrArgs(Tr("ReportCommand", "Die Textdatei kann nicht geschrieben werden. %1"),
                            {saved.Failure()})
                  << '\n';
        context.Fail();
    }
}

void PrintReport(CliContext& context, const std::string& out) {
    std::optional<PdfReportOutput> pdfOutput;
    std::ostringstream text;
    const bool pdf = IsPdfName(out);
    if (!pdf) {
        Platform::Install(std::make_unique<TextPrinter>(out.empty() ? std::cout : text));
    } else if (!pdfOutput.emplace(out).Ready()) {
        context.Fail();
        return;
    }
    try {
        if (!context.App().PrintAll())
            context.Fail();
        else if (!pdf && !out.empty())
            SaveText(context, out, text.str());
    } catch (const std::runtime_error& error) {
        std::cerr << error.what() << '\n';
        context.Fail();
    }
    Platform::Install(std::unique_ptr<Printer>()); // the printer must not outlive its output
}

} // namespace

void AddReportCommand(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "report", Tr("ReportCommand", "Den Konfigurationsbericht einer Parameterdatei ausgeben"));
    command
        ->add_option(Tr("ReportCommand", "datei"), context.args.file,
                     Tr("ReportCommand", "Parameterdatei"))
        ->required();
    command->add_option("-o,--output", context.args.out, Tr("PlatformServices", kReportOutputHelp));
    command->callback([&context] {
        if (context.LoadFile(context.args.file))
            PrintReport(context, context.args.out);
    });
}
