#pragma once

#include "platform/FileDialogs.h"

class QFileDialog;

/// The toolkit's file dialogs, owned by the active window.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> OpenFile(const FileDialogOptions& options) override;
    std::optional<QString> SaveFile(const FileDialogOptions& options) override;

private:
    static std::optional<QString> Run(QFileDialog& dialog, const FileDialogOptions& options);
};
