#include "device/PortAccess.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

std::string PortAccess::PermissionDenied(const std::string& path) {
    struct stat info {};
    const group* owner = ::stat(path.c_str(), &info) == 0 ? ::getgrgid(info.st_gid) : nullptr;
    const passwd* user = ::getpwuid(::geteuid());
    return PermissionDeniedText(path, owner ? owner->gr_name : "dialout",
                                user ? user->pw_name : "BENUTZER");
}

bool PortAccess::MayOpen(const std::string& path) {
    return ::access(path.c_str(), R_OK | W_OK) == 0;
}
