#include "cli/PlatformServices.h"

#include "base/Platform.h"
#include "base/SystemRegionalSettings.h"

#include <iostream>

void InstallRegionalSettings() {
    Platform::Install(MakeSystemRegionalSettings());
}

const char* const kReportOutputHelp =
    "PDF-Datei: nicht in diesem Programm, es gibt den Bericht nur als Text auf die "
    "Standardausgabe aus";

PdfReportOutput::PdfReportOutput(const std::string& path) {
    std::cerr << "Keine PDF-Ausgabe in diesem Programm: '" << path
              << "' wird nicht geschrieben. Ohne -o kommt der Bericht als Text auf die "
                 "Standardausgabe.\n";
}

PdfReportOutput::~PdfReportOutput() = default;
