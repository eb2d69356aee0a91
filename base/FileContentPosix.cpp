#include "base/FileContent.h"

#include "base/ErrorText.h"
#include "base/FileContentTexts.h"
#include "base/Translation.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace FileContentTexts;

constexpr int kMaxLinkHops = 40; ///< as the kernel's own limit

/// Closes the descriptor when the scope ends, unless it was closed before.
class OpenFile {
public:
    explicit OpenFile(int fd) : m_fd(fd) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (m_fd >= 0)
            close(m_fd);
    }
    int fd() const { return m_fd; }
    /// False with errno set when closing reports a late write error.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0;
    }

private:
    int m_fd;
};

std::string KindRefusal(const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        return ErrorText(EISDIR);
    return S_ISREG(info.st_mode) ? "" : NotRegular();
}

std::string ReadRefusal(const struct stat& info) {
    if (std::string refusal = KindRefusal(info); !refusal.empty())
        return refusal;
    return static_cast<std::uintmax_t>(info.st_size) > kMaxFileContent ? TooLarge() : "";
}

mode_t ModeForNewFile() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

/// Reads to the end, failing as too large as soon as the file grows beyond the limit.
std::optional<std::string> ReadAll(int fd, std::string& failure) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failure = ErrorText(errno);
            return std::nullopt;
        }
        if (n == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxFileContent) {
            failure = TooLarge();
            return std::nullopt;
        }
    }
}

/// The file a chain of symlinks ends at (the path itself when it is none); the end may not exist.
std::string ResolveLinks(const std::string& path, std::string& target) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = current;
            return "";
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t length = readlink(current.c_str(), link.data(), link.size());
        if (length < 0)
            return ErrorText(errno);
        link.resize(static_cast<std::size_t>(length));
        const auto slash = current.rfind('/');
        if (!link.starts_with('/') && slash != std::string::npos)
            link = current.substr(0, slash + 1) + link;
        current = link;
    }
    return ErrorText(ELOOP);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

/// Overwrites the file itself, so that its other hard links see the new content. The new size
/// is reserved first: a full disk then fails before a single old byte is lost.
std::string WriteInPlace(const std::string& target, const std::string& bytes) {
    OpenFile file(open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.fd() < 0 || fstat(file.fd(), &info) != 0)
        return ErrorText(errno);
    if (std::string refusal = KindRefusal(info); !refusal.empty())
        return refusal;
    if (!bytes.empty()) {
        if (const int error = posix_fallocate(file.fd(), 0, static_cast<off_t>(bytes.size()))) {
            if (ftruncate(file.fd(), info.st_size) != 0) // what a partial reservation appended
                return MaybeIncomplete(ErrorText(error));
            return OldFileKept(ErrorText(error));
        }
    }
    const bool ok = WriteAll(file.fd(), bytes) &&
                    ftruncate(file.fd(), static_cast<off_t>(bytes.size())) == 0 &&
                    fsync(file.fd()) == 0 && file.Close();
    return ok ? "" : MaybeIncomplete(ErrorText(errno));
}

/// Writes a temporary file beside the target and renames it over the target.
/// Sets `noFolderAccess` when the folder does not take the temporary file.
std::string WriteBeside(const std::string& target, const std::string& bytes,
                        const struct stat* existing, bool& noFolderAccess) {
    std::string temp = target + ".tmp-XXXXXX";
    OpenFile file(mkstemp(temp.data()));
    if (file.fd() < 0) {
        noFolderAccess = errno == EACCES || errno == EPERM;
        return ErrorText(errno);
    }
    const mode_t mode = existing ? existing->st_mode & 07777 : ModeForNewFile();
    if (existing && fchown(file.fd(), existing->st_uid, existing->st_gid) != 0) {
        // Only the super-user can give the file back to its owner; anyone else owns it anyway.
    }
    const bool ok = fchmod(file.fd(), mode) == 0 && WriteAll(file.fd(), bytes) &&
                    fsync(file.fd()) == 0 && file.Close() &&
                    rename(temp.c_str(), target.c_str()) == 0;
    if (ok)
        return "";
    const int error = errno;
    unlink(temp.c_str());
    return OldFileKept(ErrorText(error));
}

} // namespace

std::string FileReadRefusal(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return ErrorText(errno);
    return ReadRefusal(info);
}

PathKind KindOfPath(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return PathKind::Missing;
    return S_ISREG(info.st_mode) ? PathKind::RegularFile : PathKind::Other;
}

FileResult<std::string> ReadFileContent(const std::string& path) {
    std::string failure = FileReadRefusal(path);
    if (!failure.empty())
        return FileResult<std::string>::Failed(failure);
    // Non-blocking, in case a pipe took the file's place since the test above.
    OpenFile file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.fd() < 0 || fstat(file.fd(), &info) != 0) {
        failure = ErrorText(errno);
        return FileResult<std::string>::Failed(failure);
    }
    failure = ReadRefusal(info);
    if (!failure.empty())
        return FileResult<std::string>::Failed(failure);
    auto content = ReadAll(file.fd(), failure);
    if (!content)
        return FileResult<std::string>::Failed(failure);
    return std::move(*content);
}

namespace {

/// ReplaceFileContent's work; the description of the failure, or "" on success.
std::string Replace(const std::string& path, const std::string& bytes) {
    std::string target;
    if (std::string failure = ResolveLinks(path, target); !failure.empty())
        return failure;
    struct stat info {};
    const bool exists = stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT)
        return ErrorText(errno);
    if (exists) {
        if (std::string refusal = KindRefusal(info); !refusal.empty())
            return refusal;
        // The write bits, not access(): the super-user may write anything, yet must not either.
        if ((info.st_mode & 0222) == 0)
            return WriteProtected();
        if (access(target.c_str(), W_OK) != 0)
            return ErrorText(errno);
        if (info.st_nlink > 1 || access(FolderOf(target).c_str(), W_OK | X_OK) != 0)
            return WriteInPlace(target, bytes);
    }
    bool noFolderAccess = false;
    std::string failure = WriteBeside(target, bytes, exists ? &info : nullptr, noFolderAccess);
    return exists && noFolderAccess ? WriteInPlace(target, bytes) : failure;
}

} // namespace

FileResult<> ReplaceFileContent(const std::string& path, const std::string& bytes) {
    return FailedIf(Replace(path, bytes));
}

namespace {

/// Why the folders of `path` cannot be made: the folder that takes no new entry when a right is
/// missing, else the system's reason.
std::string FolderFailure(const std::string& path, const std::error_code& error) {
    if (error.value() != EACCES && error.value() != EPERM && error.value() != EROFS)
        return ErrorText(error.value());
    std::string folder = FolderOf(path);
    while (folder != "/" && folder != "." && access(folder.c_str(), F_OK) != 0)
        folder = FolderOf(folder);
    return error.value() == EROFS ? ErrorText(EROFS) : NoWriteRight(folder);
}

/// Why the opened record must not be appended to: not a regular file, or one of another user.
std::string AppendRefusal(const struct stat& info) {
    if (std::string refusal = KindRefusal(info); !refusal.empty())
        return refusal;
    return info.st_uid == geteuid() ? "" : OtherOwner();
}

} // namespace

FileResult<> AppendToFile(const std::string& path, const std::string& header,
                          const std::string& bytes) {
    std::error_code error;
    std::filesystem::create_directories(FolderOf(path), error);
    if (error)
        return FileResult<>::Failed(FolderFailure(path, error));
    // A link is not followed: nobody can point another program's appends at a file of theirs.
    OpenFile file(open(path.c_str(),
                       O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW,
                       ModeForNewFile()));
    if (file.fd() < 0 && errno == ELOOP)
        return FileResult<>::Failed(LinkRefused());
    if (file.fd() < 0 && errno == EACCES && access(path.c_str(), F_OK) != 0)
        return FileResult<>::Failed(NoWriteRight(FolderOf(path)));
    struct stat info {};
    if (file.fd() < 0 || fstat(file.fd(), &info) != 0)
        return FileResult<>::Failed(ErrorText(errno));
    if (std::string refusal = AppendRefusal(info); !refusal.empty())
        return FileResult<>::Failed(refusal);
    // The lock makes the size check and the write one step for every appending program.
    while (flock(file.fd(), LOCK_EX) != 0)
        if (errno != EINTR)
            return FileResult<>::Failed(ErrorText(errno));
    if (fstat(file.fd(), &info) != 0)
        return FileResult<>::Failed(ErrorText(errno));
    const std::string text = info.st_size == 0 ? header + bytes : bytes;
    if (!WriteAll(file.fd(), text) || fsync(file.fd()) != 0) {
        // A full disk took part of the line: cut it off, still under the lock, so that the next
        // line does not continue it.
        const std::string failure = ErrorText(errno);
        const bool cut = ftruncate(file.fd(), info.st_size) == 0 && fsync(file.fd()) == 0;
        return FileResult<>::Failed(cut ? OldFileKept(failure) : MaybeIncomplete(failure));
    }
    if (!file.Close())
        return FileResult<>::Failed(MaybeIncomplete(ErrorText(errno)));
    return {};
}
