#include "cli/PlatformServices.h"

#include "base/Platform.h"
#include "base/Translation.h"
#include "platform/QtRegionalSettings.h"
#include "platform/QtReportPrinter.h"

#include <QGuiApplication>

#include <iostream>

namespace {

/// Fonts and their metrics need a GUI application; without a display it runs offscreen.
std::shared_ptr<QGuiApplication> StartGui() {
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
    return std::make_shared<QGuiApplication>(argc, argv);
}

} // namespace

void InstallRegionalSettings() {
    Platform::Install(std::make_unique<QtRegionalSettings>());
}

const char* const kReportOutputHelp =
    TrNoop("PlatformServices",
           "Zieldatei: PDF bei Endung .pdf, sonst Text (ohne: Text auf die Standardausgabe)");

PdfReportOutput::PdfReportOutput(const std::string& path) : m_toolkit(StartGui()), m_ready(true) {
    Platform::Install(QtReportPrinter::ForPdfFile(QString::fromStdString(path)));
}

PdfReportOutput::~PdfReportOutput() {
    Platform::Install(std::unique_ptr<Printer>()); // its fonts and device must not outlive the GUI
}
