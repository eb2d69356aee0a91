#pragma once

#include "app/SettingsFiles.h"
#include "platform/QtReportPrinter.h"

class cNivolantis;

/// What the main window's "Drucken" runs: installs the system printer (below) as the platform
/// printer and runs PrintAll. True when the report was printed or saved; false when the model
/// check refused it or the user declined the PDF file. Printer and file errors throw
/// std::runtime_error.
bool PrintReport(cNivolantis& app);

/// Opens the system's default printer; when the system has none, asks (through the message
/// service) whether to save the report as a PDF file and for its name (through the file
/// dialogs, suggesting suggestedFile, starting in the reports' folder kept in the settings), and
/// gives nullptr when the user declines.
QtReportPrinter::DeviceOpener SystemPrinterOrPdf(const QString& suggestedFile,
                                                 const SettingsFiles& settings);
