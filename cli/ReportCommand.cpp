#include "cli/ReportCommand.h"

#include "base/Platform.h"
#include "app/cNivolantis.h"
#include "cli/CliContext.h"
#include "platform/QtReportPrinter.h"
#include "report/TextPrinter.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>

#include <iostream>

namespace {

/// Fonts and their metrics need a GUI application; without a display it runs offscreen.
std::unique_ptr<QGuiApplication> StartGui() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "nivoconfig-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

void PrintReport(CliContext& context, const std::string& pdf) {
    std::unique_ptr<QGuiApplication> gui;
    if (pdf.empty()) {
        Platform::Install(std::make_unique<TextPrinter>(std::cout));
    } else {
        gui = StartGui();
        Platform::Install(QtReportPrinter::ForPdfFile(QString::fromStdString(pdf)));
    }
    try {
        if (!context.App().PrintAll())
            context.Fail();
    } catch (const std::runtime_error& error) {
        std::cerr << error.what() << '\n';
        context.Fail();
    }
    Platform::Install(std::unique_ptr<Printer>()); // its fonts and device must not outlive the GUI
}

} // namespace

void AddReportCommand(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("report", "Den Konfigurationsbericht einer Parameterdatei ausgeben");
    command->add_option("file", context.args.file, "Parameterdatei")->required();
    command->add_option("-o,--output", context.args.out, "PDF-Datei (sonst Text auf die Standardausgabe)");
    command->callback([&context] {
        if (context.LoadFile(context.args.file))
            PrintReport(context, context.args.out);
    });
}
