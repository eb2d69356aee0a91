#pragma once

#include <memory>
#include <string>

/// What the command line takes from the GUI toolkit where it is built with one (Qt on Linux):
/// the regional settings and the PDF report. Built without it (Windows), the regional settings
/// come from the system and the report is text only.

/// Installs the system's regional settings as the platform service.
void InstallRegionalSettings();

/// Help text of report -o, marked for translation in the context "PlatformServices".
extern const char* const kReportOutputHelp;

/// The PDF printer of report -o for the lifetime of the object.
class PdfReportOutput {
public:
    /// Installs a printer into the PDF file `path`; where there is no PDF output, Ready() is
    /// false after a message on the error output.
    explicit PdfReportOutput(const std::string& path);
    /// Removes the printer before the toolkit behind it ends.
    ~PdfReportOutput();
    bool Ready() const { return m_ready; }

private:
    std::shared_ptr<void> m_toolkit;
    bool m_ready = false;
};
