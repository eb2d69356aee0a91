#include "base/ProgramInfo.h"

#include "base/WideText.h"

#include <windows.h>

namespace {

/// A folder the environment names (%APPDATA%, the user's roaming folder for program settings;
/// %LOCALAPPDATA%, the machine's own); empty when unset.
std::string FolderVariable(const wchar_t* name) {
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    if (value.empty())
        return {};
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return WideToUtf8(value);
}

std::string UserLogin() {
    wchar_t name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) ? WideToUtf8(name) : "";
}

} // namespace

ProgramInfo ProgramInfo::OfRunningExecutable() {
    std::wstring exe(MAX_PATH, L'\0');
    DWORD length = 0;
    // A path longer than the buffer comes back cut to the buffer's size: grow and ask again.
    while ((length = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()))) ==
               exe.size() &&
           exe.size() < 32768)
        exe.resize(exe.size() * 2);
    exe.resize(length);
    ProgramInfo info;
    info.configHome = FolderVariable(L"APPDATA");
    info.stateHome = FolderVariable(L"LOCALAPPDATA");
    info.userLogin = UserLogin();
    const auto separator = exe.find_last_of(L"\\/");
    if (length == 0 || separator == std::wstring::npos) {
        std::wstring current(GetCurrentDirectoryW(0, nullptr), L'\0');
        current.resize(GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data()));
        info.folder = WideToUtf8(current);
        info.name = "NivoConfig";
        return info;
    }
    info.folder = WideToUtf8(exe.substr(0, separator));
    std::wstring file = exe.substr(separator + 1);
    info.name = WideToUtf8(file.substr(0, file.rfind(L'.')));
    return info;
}
