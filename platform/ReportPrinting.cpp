#include "platform/ReportPrinting.h"

#include "base/Platform.h"
#include "app/cNivolantis.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPrinterInfo>

namespace {

/// The parameter file's name with ".pdf", or "Konfiguration.pdf" in the home folder.
QString SuggestedPdf(const cNivolantis& app) {
    if (app.FileName().empty())
        return QDir::home().filePath(QStringLiteral("Konfiguration.pdf"));
    const QFileInfo file(QString::fromStdString(app.FileName()));
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
}

QString AskForPdfFile(QWidget* parent, const QString& suggestedFile) {
    const auto answer = QMessageBox::question(
        parent, QStringLiteral("Drucken"),
        QStringLiteral("Es ist kein Drucker eingerichtet.\nSoll der Bericht als PDF-Datei gespeichert werden?"));
    if (answer != QMessageBox::Yes)
        return {};
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Bericht als PDF-Datei speichern"),
                                                suggestedFile, QStringLiteral("PDF-Dateien (*.pdf)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    return path;
}

} // namespace

QtReportPrinter::DeviceOpener SystemPrinterOrPdf(QWidget* parent, const QString& suggestedFile) {
    return [owner = QPointer<QWidget>(parent), suggestedFile]() -> std::unique_ptr<QPagedPaintDevice> {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            return QtReportPrinter::OpenDefaultPrinter();
        const QString path = AskForPdfFile(owner, suggestedFile);
        return path.isEmpty() ? nullptr : QtReportPrinter::OpenPdf(path);
    };
}

bool PrintReport(cNivolantis& app, QWidget* parent) {
    Platform::Install(std::make_unique<QtReportPrinter>(SystemPrinterOrPdf(parent, SuggestedPdf(app))));
    try {
        return app.PrintAll();
    } catch (const PrintCancelled&) {
        return false;
    }
}
