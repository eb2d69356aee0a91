#pragma once

#include <optional>
#include <string>

/// The whole content of a file as bytes; empty when it cannot be read.
std::optional<std::string> ReadFileContent(const std::string& path);

/// Replaces a file's whole content so that readers see either the old or the new file, never a
/// half-written one: the bytes go to a temporary file in the same folder, which is then renamed
/// over the target. Returns an empty text on success, else a German description of the failure
/// (the target is then untouched).
std::string ReplaceFileContent(const std::string& path, const std::string& bytes);
