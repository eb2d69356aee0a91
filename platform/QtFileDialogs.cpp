#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

std::optional<QString> QtFileDialogs::OpenFile(const FileDialogOptions& options) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog, options);
}

std::optional<QString> QtFileDialogs::SaveFile(const FileDialogOptions& options) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    return Run(dialog, options);
}

std::optional<QString> QtFileDialogs::Run(QFileDialog& dialog, const FileDialogOptions& options) {
    dialog.setWindowTitle(options.title);
    if (!options.filter.isEmpty())
        dialog.setNameFilter(options.filter);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setDirectory(options.folder.isEmpty() ? QDir::currentPath() : options.folder);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // Backslashes on Windows, as the program names files everywhere else.
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}
