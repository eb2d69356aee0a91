#pragma once

#include <string>

/// The file functions' failure texts, the same on every operating system.
namespace FileContentTexts {

std::string NotRegular();
std::string TooLarge();
std::string WriteProtected();
std::string LinkRefused();
std::string OtherOwner();
/// A file cannot be made in `folder` for want of the right to write there.
std::string NoWriteRight(const std::string& folder);
/// The failure of a write that left the old content as it was.
std::string OldFileKept(const std::string& failure);
/// The failure of a write that may have changed part of the old content.
std::string MaybeIncomplete(const std::string& failure);

} // namespace FileContentTexts
