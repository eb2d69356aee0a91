#pragma once

#include <QString>

#include <memory>
#include <optional>

struct FileDialogOptions {
    QString title;                ///< dialog caption
    QString folder;               ///< start folder; empty: the current one
    QString fileName;             ///< suggested file name (may carry a folder)
    QString defaultSuffix;        ///< appended when the user types none, e.g. "par"
    QString filter;               ///< e.g. "Parameterdateien (*.par)"
    bool confirmOverwrite = true; ///< save dialogs ask before replacing an existing file
};

/// Open and save dialogs. Programs use the Qt dialogs; tests install a scripted answerer.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    /// The chosen path; std::nullopt when the user cancelled.
    virtual std::optional<QString> OpenFile(const FileDialogOptions& options) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogOptions& options) = 0;
    static FileDialogs& Current(); ///< the Qt dialogs until one is installed
    static void Install(std::unique_ptr<FileDialogs> dialogs); ///< nullptr: the Qt dialogs again
};
