#include "cli/ReportCommand.h"

#include "base/Platform.h"
#include "app/cNivolantis.h"
#include "cli/CliContext.h"
#include "cli/PlatformServices.h"
#include "report/TextPrinter.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>

namespace {

void PrintReport(CliContext& context, const std::string& pdf) {
    std::optional<PdfReportOutput> pdfOutput;
    if (pdf.empty()) {
        Platform::Install(std::make_unique<TextPrinter>(std::cout));
    } else if (!pdfOutput.emplace(pdf).Ready()) {
        context.Fail();
        return;
    }
    try {
        if (!context.App().PrintAll())
            context.Fail();
    } catch (const std::runtime_error& error) {
        std::cerr << error.what() << '\n';
        context.Fail();
    }
    Platform::Install(std::unique_ptr<Printer>());
}

} // namespace

void AddReportCommand(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("report", "Den Konfigurationsbericht einer Parameterdatei ausgeben");
    command->add_option("file", context.args.file, "Parameterdatei")->required();
    command->add_option("-o,--output", context.args.out, kReportOutputHelp);
    command->callback([&context] {
        if (context.LoadFile(context.args.file))
            PrintReport(context, context.args.out);
    });
}
