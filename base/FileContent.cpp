#include "base/FileContent.h"

// What reading and replacing files means on every system; the system's part is in
// FileContentPosix.cpp or FileContentWin32.cpp.

std::optional<std::string> ReadFileContent(const std::string& path) {
    std::string failure;
    return ReadFileContent(path, failure);
}
