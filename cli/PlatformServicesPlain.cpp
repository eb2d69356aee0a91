#include "cli/PlatformServices.h"

#include "base/Platform.h"
#include "base/SystemRegionalSettings.h"
#include "base/Translation.h"

#include <iostream>

void InstallRegionalSettings() {
    Platform::Install(MakeSystemRegionalSettings());
}

const char* const kReportOutputHelp =
    TrNoop("PlatformServices", "Zieldatei: der Bericht nur als Text, PDF gibt es in diesem "
                               "Programm nicht (ohne: Standardausgabe)");

PdfReportOutput::PdfReportOutput(const std::string& path) {
    std::cerr << TrArgs(Tr("PlatformServices",
                           "Keine PDF-Ausgabe in diesem Programm: '%1' wird nicht geschrieben. "
                           "Mit einer anderen Endung als .pdf oder ohne -o kommt der Bericht "
                           "als Text."),
                        {path})
              << '\n';
}

PdfReportOutput::~PdfReportOutput() = default;
