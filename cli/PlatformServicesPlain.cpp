#include "cli/PlatformServices.h"

#include "base/Platform.h"
#include "base/SystemRegionalSettings.h"

#include <iostream>

void InstallRegionalSettings() {
    Platform::Install(MakeSystemRegionalSettings());
}

const char* const kReportOutputHelp =
    "Zieldatei: der Bericht nur als Text, PDF gibt es in diesem Programm nicht (ohne: "
    "Standardausgabe)";

PdfReportOutput::PdfReportOutput(const std::string& path) {
    std::cerr << "Keine PDF-Ausgabe in diesem Programm: '" << path
              << "' wird nicht geschrieben. Mit einer anderen Endung als .pdf oder ohne -o "
                 "kommt der Bericht als Text.\n";
}

PdfReportOutput::~PdfReportOutput() = default;
