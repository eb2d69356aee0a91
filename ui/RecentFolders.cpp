#include "ui/RecentFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <iostream>

namespace {

constexpr const char* kSection = "Ordner";
constexpr int kMaxPath = 4096; ///< longer settings text is no folder of ours

} // namespace

QString RecentFolders::StartFolder(const char* kind) const {
    const std::string kept = m_settings.getKey(kSection, kind);
    if (!kept.empty() && kept.size() <= kMaxPath) {
        const QString folder = QString::fromStdString(kept);
        if (QFileInfo(folder).isDir())
            return QDir::toNativeSeparators(folder);
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir::toNativeSeparators(QFileInfo(documents).isDir() ? documents : QDir::homePath());
}

std::optional<QString> RecentFolders::OpenFile(const char* kind, FileDialogOptions options) const {
    options.folder = StartFolder(kind);
    return Keep(kind, FileDialogs::Current().OpenFile(options));
}

std::optional<QString> RecentFolders::SaveFile(const char* kind, FileDialogOptions options) const {
    options.folder = StartFolder(kind);
    return Keep(kind, FileDialogs::Current().SaveFile(options));
}

std::optional<QString> RecentFolders::Keep(const char* kind, std::optional<QString> path) const {
    if (path) {
        const QString folder = QDir::toNativeSeparators(QFileInfo(*path).absolutePath());
        // A folder that cannot be kept only costs the next dialog its start.
        if (const std::string failed = m_settings.setKey(kSection, kind, folder.toStdString());
            !failed.empty() && !m_settings.ChoicesFile().empty())
            std::cerr << "NivoConfig: " << failed << '\n';
    }
    return path;
}
