#include "base/FileContent.h"

#include "base/ErrorText.h"
#include "base/FileContentTexts.h"
#include "base/Translation.h"
#include "base/WideText.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <utility>
#include <windows.h>

// Names are UTF-8 inside the program and UTF-16 at the API. A symbolic link is followed by the
// API itself; a replaced file takes the place of a hard link rather than writing through it.

namespace {

using namespace FileContentTexts;

std::string LastErrorText() {
    return ErrorText(ErrnoOfWin32Error(GetLastError()));
}

/// Closes the handle when the scope ends, unless it was closed before.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (IsOpen())
            CloseHandle(m_handle);
    }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE handle() const { return m_handle; }
    bool Close() { return CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE m_handle;
};

/// Empty for a regular file on a disk, else why it is no file to read or write.
std::string KindRefusal(DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return ErrorText(EISDIR);
    return attributes & FILE_ATTRIBUTE_DEVICE ? NotRegular() : "";
}

std::string HandleRefusal(HANDLE handle) {
    return GetFileType(handle) == FILE_TYPE_DISK ? "" : NotRegular();
}

std::optional<std::string> ReadAll(HANDLE handle, std::string& failure) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) {
            failure = LastErrorText();
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        bytes.append(buffer, got);
        if (bytes.size() > kMaxFileContent) {
            failure = TooLarge();
            return std::nullopt;
        }
    }
}

bool WriteAll(HANDLE handle, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

/// A name beside the target that no other writer uses at the same time.
std::wstring TemporaryName(const std::wstring& target) {
    static unsigned counter = 0;
    return target + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++counter);
}

} // namespace

std::string FileReadRefusal(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &info))
        return LastErrorText();
    if (std::string refusal = KindRefusal(info.dwFileAttributes); !refusal.empty())
        return refusal;
    const std::uintmax_t size = (std::uintmax_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    return size > kMaxFileContent ? TooLarge() : "";
}

FileResult<std::string> ReadFileContent(const std::string& path) {
    std::string failure = FileReadRefusal(path);
    if (!failure.empty())
        return FileResult<std::string>::Failed(failure);
    FileHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        failure = LastErrorText();
        return FileResult<std::string>::Failed(failure);
    }
    failure = HandleRefusal(file.handle());
    if (!failure.empty())
        return FileResult<std::string>::Failed(failure);
    auto content = ReadAll(file.handle(), failure);
    if (!content)
        return FileResult<std::string>::Failed(failure);
    return std::move(*content);
}

namespace {

/// ReplaceFileContent's work; the description of the failure, or "" on success.
std::string Replace(const std::string& path, const std::string& bytes) {
    const std::wstring target = Utf8ToWide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND)
        return LastErrorText();
    if (exists) {
        if (std::string refusal = KindRefusal(attributes); !refusal.empty())
            return refusal;
        if (attributes & FILE_ATTRIBUTE_READONLY)
            return WriteProtected();
    }
    const std::wstring temp = TemporaryName(target);
    FileHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return LastErrorText();
    const bool ok = WriteAll(file.handle(), bytes) && FlushFileBuffers(file.handle()) &&
                    file.Close() &&
                    MoveFileExW(temp.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (ok)
        return "";
    const std::string failure = LastErrorText();
    if (file.IsOpen())
        file.Close();
    DeleteFileW(temp.c_str());
    return exists ? OldFileKept(failure) : failure;
}

} // namespace

FileResult<> ReplaceFileContent(const std::string& path, const std::string& bytes) {
    return FailedIf(Replace(path, bytes));
}

PathKind KindOfPath(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    return KindRefusal(attributes).empty() ? PathKind::RegularFile : PathKind::Other;
}

FileResult<> AppendToFile(const std::string& path, const std::string& header,
                          const std::string& bytes) {
    std::error_code ignored; // a folder that cannot be made fails the open below
    std::filesystem::create_directories(std::filesystem::path(Utf8ToWide(path)).parent_path(),
                                        ignored);
    // The link itself is opened, not followed (nor its missing target created), and refused.
    FileHandle file(
        CreateFileW(Utf8ToWide(path).c_str(),
                    FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.IsOpen())
        return FileResult<>::Failed(LastErrorText());
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.handle(), &info))
        return FileResult<>::Failed(LastErrorText());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return FileResult<>::Failed(LinkRefused());
    if (std::string refusal = HandleRefusal(file.handle()); !refusal.empty())
        return FileResult<>::Failed(refusal);
    // The lock makes the size check and the write one step for every appending program.
    OVERLAPPED whole{};
    if (!LockFileEx(file.handle(), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole))
        return FileResult<>::Failed(LastErrorText());
    LARGE_INTEGER size{};
    const bool sized = GetFileSizeEx(file.handle(), &size) &&
                       SetFilePointerEx(file.handle(), size, nullptr, FILE_BEGIN);
    const bool written = sized &&
                         WriteAll(file.handle(), size.QuadPart == 0 ? header + bytes : bytes) &&
                         FlushFileBuffers(file.handle());
    std::string failure = written ? "" : LastErrorText();
    if (sized && !written) {
        // A full disk took part of the bytes: cut them off again before the lock is given back.
        const bool cut = SetFilePointerEx(file.handle(), size, nullptr, FILE_BEGIN) &&
                         SetEndOfFile(file.handle()) && FlushFileBuffers(file.handle());
        failure = cut ? OldFileKept(failure) : MaybeIncomplete(failure);
    }
    UnlockFileEx(file.handle(), 0, MAXDWORD, MAXDWORD, &whole);
    if (!written || !file.Close())
        return FileResult<>::Failed(written ? LastErrorText() : failure);
    return {};
}
