#include "base/ProgramInfo.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

/// The XDG rule: a relative $XDG_CONFIG_HOME is invalid and ignored.
std::string ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return std::string(home) + "/.config";
    return {};
}

} // namespace

ProgramInfo ProgramInfo::OfRunningExecutable() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    ProgramInfo info;
    info.configHome = ConfigHome();
    if (error) {
        info.folder = std::filesystem::current_path(error).string();
        info.name = "NivoConfig";
    } else {
        info.folder = exe.parent_path().string();
        info.name = exe.stem().string();
    }
    return info;
}
