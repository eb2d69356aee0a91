#include "base/ProgramInfo.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace {

/// The XDG rule: a relative $XDG_CONFIG_HOME or $XDG_STATE_HOME is invalid and ignored.
std::string XdgHome(const char* variable, const char* inHome) {
    const char* xdg = std::getenv(variable);
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return std::string(home) + inHome;
    return {};
}

std::string UserLogin() {
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
        return entry->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

} // namespace

ProgramInfo ProgramInfo::OfRunningExecutable() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    ProgramInfo info;
    info.configHome = XdgHome("XDG_CONFIG_HOME", "/.config");
    info.stateHome = XdgHome("XDG_STATE_HOME", "/.local/state");
    info.userLogin = UserLogin();
    if (error) {
        info.folder = std::filesystem::current_path(error).string();
        info.name = "NivoConfig";
    } else {
        info.folder = exe.parent_path().string();
        info.name = exe.stem().string();
    }
    return info;
}
