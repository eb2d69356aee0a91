#include "ui/main/ReportPrinting.h"

#include "app/cNivolantis.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "platform/FileDialogs.h"
#include "ui/RecentFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

namespace {

/// The parameter file's name with ".pdf" beside it, or "Konfiguration.pdf" in the reports' folder.
QString SuggestedPdf(const cNivolantis& app) {
    if (app.FileName().empty())
        return QStringLiteral("Konfiguration.pdf");
    const QFileInfo file(QString::fromStdString(app.FileName()));
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
}

std::optional<QString> AskForPdfFile(const QString& suggestedFile, const RecentFolders& folders) {
    const std::string question =
        Tr("ReportPrinting", "Es ist kein Drucker eingerichtet.\n"
                             "Soll der Bericht als PDF-Datei gespeichert werden?");
    if (AskQuestion(question, MsgButtons::YesNo, Tr("ReportPrinting", "Drucken")) != MsgAnswer::Yes)
        return std::nullopt;
    FileDialogOptions options;
    options.title = QString::fromStdString(Tr("ReportPrinting", "Bericht als PDF-Datei speichern"));
    options.fileName = suggestedFile;
    options.defaultSuffix = QStringLiteral("pdf");
    options.filter = QString::fromStdString(Tr("ReportPrinting", "PDF-Dateien (*.pdf)"));
    return folders.SaveFile(RecentFolders::kReports, options);
}

} // namespace

QtReportPrinter::DeviceOpener SystemPrinterOrPdf(const QString& suggestedFile,
                                                 const SettingsFiles& settings) {
    return
        [suggestedFile, folders = RecentFolders(settings)]() -> std::unique_ptr<QPagedPaintDevice> {
            if (!QPrinterInfo::availablePrinters().isEmpty())
                return QtReportPrinter::OpenDefaultPrinter();
            const std::optional<QString> path = AskForPdfFile(suggestedFile, folders);
            return path ? QtReportPrinter::OpenPdf(*path) : nullptr;
        };
}

bool PrintReport(cNivolantis& app) {
    Platform::Install(std::make_unique<QtReportPrinter>(
        SystemPrinterOrPdf(SuggestedPdf(app), app.SettingsSource())));
    try {
        return app.PrintAll();
    } catch (const PrintCancelled&) {
        return false;
    }
}
