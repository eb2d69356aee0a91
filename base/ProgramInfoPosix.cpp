#include "base/ProgramInfo.h"

#include <filesystem>
#include <system_error>

ProgramInfo ProgramInfo::OfRunningExecutable() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    ProgramInfo info;
    if (error) {
        info.folder = std::filesystem::current_path(error).string();
        info.name = "NivoConfig";
    } else {
        info.folder = exe.parent_path().string();
        info.name = exe.stem().string();
    }
    return info;
}
