#include "device/PortAccess.h"

#include "base/Text.h"
#include "base/Translation.h"

#include <dirent.h>
#include <fstream>
#include <memory>
#include <string_view>

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

namespace {

constexpr int kMaxProcesses = 4096;          ///< processes looked at for a port's holder
constexpr int kMaxFilesPerProcess = 1024;    ///< open files looked at per process
constexpr std::size_t kMaxNameShown = 32;    ///< bytes of a program's name in a message
constexpr std::streamsize kMaxNameRead = 64; ///< bytes read of /proc/PID/comm

using Directory = std::unique_ptr<DIR, int (*)(DIR*)>;

Directory OpenDirectory(const std::string& path) {
    return {::opendir(path.c_str()), ::closedir};
}

/// The number a /proc entry is named by; 0 for any other name.
long EntryNumber(std::string_view name) {
    long number = 0;
    for (const char c : name) {
        if (c < '0' || c > '9' || number > 100'000'000)
            return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

/// Whether the process has the file (device and inode `wanted`) open.
bool HoldsFile(const std::string& process, const struct stat& wanted) {
    const Directory files = OpenDirectory(process + "/fd");
    if (!files)
        return false;
    int looked = 0;
    while (const dirent* entry = ::readdir(files.get())) {
        if (++looked > kMaxFilesPerProcess)
            return false;
        struct stat info {};
        if (EntryNumber(entry->d_name) == 0 && std::string_view(entry->d_name) != "0")
            continue;
        if (::stat((process + "/fd/" + entry->d_name).c_str(), &info) == 0 &&
            info.st_dev == wanted.st_dev && info.st_ino == wanted.st_ino)
            return true;
    }
    return false;
}

std::string ProgramName(const std::string& process) {
    std::ifstream comm(process + "/comm", std::ios::binary);
    std::string name(static_cast<std::size_t>(kMaxNameRead), '\0');
    comm.read(name.data(), kMaxNameRead);
    name.resize(static_cast<std::size_t>(comm.gcount()));
    if (!name.empty() && name.back() == '\n')
        name.pop_back();
    return EscapedText(name, kMaxNameShown);
}

} // namespace

std::string PortAccess::Holder(const std::string& path) {
    struct stat wanted {};
    const Directory processes = OpenDirectory("/proc");
    if (::stat(path.c_str(), &wanted) != 0 || !processes)
        return "";
    const long self = ::getpid();
    int looked = 0;
    while (const dirent* entry = ::readdir(processes.get())) {
        const long pid = EntryNumber(entry->d_name);
        if (pid == 0 || pid == self)
            continue;
        if (++looked > kMaxProcesses)
            break;
        const std::string process = std::string("/proc/") + entry->d_name;
        if (HoldsFile(process, wanted))
            return TrArgs(Tr("PortAccess", "von '%1', Prozess %2"),
                          {ProgramName(process), std::to_string(pid)});
    }
    // Last: this program may have the file open for another reason than holding the port.
    if (HoldsFile("/proc/self", wanted))
        return Tr("PortAccess", "von diesem Programm");
    return "";
}

std::string PortAccess::Access(const std::string& path) {
    if (::access(path.c_str(), F_OK) != 0)
        return Tr("PortAccess", "Gerätedatei nicht vorhanden.");
    return ::access(path.c_str(), R_OK | W_OK) == 0 ? Tr("PortAccess", "Zugriff erlaubt.")
                                                    : PermissionDenied(path);
}
