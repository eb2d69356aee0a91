#include "base/ProgramInfo.h"

// OfRunningExecutable() asks the operating system: ProgramInfoPosix.cpp, ProgramInfoWin32.cpp.

std::string ProgramInfo::VersionText() const {
    return std::to_string(versionMajor) + "." + std::to_string(versionMinor) + "." +
           std::to_string(versionRevision);
}

std::string ProgramInfo::PathInFolder(const std::string& fileName) const {
    // Plain text joining keeps UTF-8 names intact; "/" also separates folders on Windows.
    if (folder.empty() || folder.ends_with('/'))
        return folder + fileName;
    return folder + '/' + fileName;
}
