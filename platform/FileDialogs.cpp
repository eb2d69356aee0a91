#include "platform/FileDialogs.h"

#include "platform/QtFileDialogs.h"

namespace {

std::unique_ptr<FileDialogs>& Installed() {
    static std::unique_ptr<FileDialogs> dialogs = std::make_unique<QtFileDialogs>();
    return dialogs;
}

} // namespace

FileDialogs& FileDialogs::Current() {
    return *Installed();
}

void FileDialogs::Install(std::unique_ptr<FileDialogs> dialogs) {
    Installed() = dialogs ? std::move(dialogs) : std::make_unique<QtFileDialogs>();
}
