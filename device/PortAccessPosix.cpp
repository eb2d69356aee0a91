#include "device/PortAccess.h"

#include "base/Translation.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

std::string PortAccess::PermissionDenied(const std::string& path) {
    struct stat info {};
    const group* owner = ::stat(path.c_str(), &info) == 0 ? ::getgrgid(info.st_gid) : nullptr;
    const passwd* user = ::getpwuid(::geteuid());
    constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
    const bool groupMayOpen =
        info.st_gid != 0 && (info.st_mode & kGroupReadWrite) == kGroupReadWrite;
    return PermissionDeniedText(path, owner ? owner->gr_name : "dialout",
                                user ? user->pw_name : Tr("PortAccess", "BENUTZER"), groupMayOpen);
}

std::string PortAccess::Access(const std::string& path) {
    if (::access(path.c_str(), F_OK) != 0)
        return Tr("PortAccess", "Gerätedatei nicht vorhanden.");
    return ::access(path.c_str(), R_OK | W_OK) == 0 ? Tr("PortAccess", "Zugriff erlaubt.")
                                                    : PermissionDenied(path);
}
