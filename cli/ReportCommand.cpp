#include "cli/ReportCommand.h"

#include "base/Platform.h"
#include "app/cNivolantis.h"
#include "base/FileContent.h"
#include "cli/CliContext.h"
#include "platform/QtReportPrinter.h"
#include "report/TextPrinter.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace {

/// Fonts and their metrics need a GUI application; without a display it runs offscreen.
std::unique_ptr<QGuiApplication> StartGui() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A console program has no session folders; Qt's note about them only confuses.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (!text.startsWith("QStandardPaths:"))
            std::cerr << (type == QtDebugMsg ? "" : "Qt: ") << text.toStdString() << '\n';
    });
    static int argc = 1;
    static char name[] = "nivoconfig-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool IsPdfName(const std::string& file) {
    std::string extension = std::filesystem::path(file).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".pdf";
}

/// The report as text into the file, replacing it only when complete.
void SaveText(CliContext& context, const std::string& file, const std::string& text) {
    if (const std::string failure = ReplaceFileContent(file, text); !failure.empty()) {
        std::cerr << "Die Textdatei kann nicht geschrieben werden. " << failure << '\n';
        context.Fail();
    }
}

void PrintReport(CliContext& context, const std::string& out) {
    std::unique_ptr<QGuiApplication> gui;
    std::ostringstream text;
    const bool pdf = IsPdfName(out);
    if (pdf) {
        gui = StartGui();
        Platform::Install(QtReportPrinter::ForPdfFile(QString::fromStdString(out)));
    } else {
        Platform::Install(std::make_unique<TextPrinter>(out.empty() ? std::cout : text));
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
    Platform::Install(std::unique_ptr<Printer>()); // its fonts and device must not outlive the GUI
}

} // namespace

void AddReportCommand(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand("report", "Den Konfigurationsbericht einer Parameterdatei ausgeben");
    command->add_option("datei", context.args.file, "Parameterdatei")->required();
    command->add_option("-o,--output", context.args.out, "Zieldatei: PDF bei Endung .pdf, sonst Text (ohne: Text auf die Standardausgabe)");
    command->callback([&context] {
        if (context.LoadFile(context.args.file))
            PrintReport(context, context.args.out);
    });
}
