#pragma once

#include "app/SettingsFiles.h"
#include "platform/FileDialogs.h"

#include <QString>

#include <optional>

/// Where the file dialogs start: in the folder last used for their kind of file, kept in the
/// user's settings, else in the user's documents folder; never in the program's folder or the
/// working folder, which an installed program's user may not write to.
class RecentFolders {
public:
    /// Kinds of file, each remembered apart (the keys in the settings' section "Ordner").
    static constexpr const char* kParameterFiles = "Parameterdateien";
    static constexpr const char* kFirmware = "Firmware";
    static constexpr const char* kEeprom = "EEPROM";
    static constexpr const char* kReports = "Berichte";

    explicit RecentFolders(SettingsFiles settings) : m_settings(std::move(settings)) {}

    /// The kind's folder as the dialog gets it.
    QString StartFolder(const char* kind) const;
    /// The installed file dialogs started in the kind's folder; the chosen file's folder is kept
    /// for the next one.
    std::optional<QString> OpenFile(const char* kind, FileDialogOptions options) const;
    std::optional<QString> SaveFile(const char* kind, FileDialogOptions options) const;

private:
    std::optional<QString> Keep(const char* kind, std::optional<QString> path) const;

    SettingsFiles m_settings;
};
