#pragma once

#include "base/FileResult.h"

#include <cstdint>
#include <string>

/// Whole-file reading and writing for every file the programs read or write. Only regular files
/// are read or written: a folder, device or pipe is refused before it is opened, so nothing
/// blocks and no device is replaced. Failures come back as German descriptions.

/// No file of this program comes near this size; anything larger is refused on reading.
constexpr std::uintmax_t kMaxFileContent = 16u * 1024 * 1024;

/// What a name stands for, symlinks followed.
enum class PathKind {
    Missing,     ///< nothing, or nothing that can be looked at
    RegularFile, ///< a file
    Other,       ///< a folder, device or pipe
};
PathKind KindOfPath(const std::string& path);

/// Empty when `path` names a regular file (symlinks followed) of at most kMaxFileContent bytes,
/// else why ReadFileContent would refuse it. Reads nothing.
std::string FileReadRefusal(const std::string& path);

/// The whole content of a regular file of at most kMaxFileContent bytes, or why it cannot be read.
FileResult<std::string> ReadFileContent(const std::string& path);

/// Replaces a file's whole content. A symlink is written through to its target; a missing file is
/// created. A file with write protection, a folder, device or pipe is refused. The bytes go to a
/// temporary file in the same folder, which is renamed over the target (keeping its mode), so a
/// failed write leaves the old file as it was. A file with other hard links, or in a folder that
/// cannot take the temporary file, is overwritten in place instead, after its new size has been
/// reserved on the disk.
FileResult<> ReplaceFileContent(const std::string& path, const std::string& bytes);

/// Appends `bytes` to the end of a regular file and waits until they are on the disk. A missing
/// file is created (and its missing folders) and gets `header` before them. Programs appending
/// to the same file at the same time take turns: each call's bytes stay together, and the header
/// comes first once. The bytes land whole or not at all: a write cut short (a full disk) is cut
/// off again before the lock is given back. A symlink is refused, not followed, and so is a file
/// that belongs to another user. The file is otherwise never truncated or rewritten.
FileResult<> AppendToFile(const std::string& path, const std::string& header,
                          const std::string& bytes);
