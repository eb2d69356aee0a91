#pragma once

#include <string>

/// Whether this user may open a device file, and what to do when not.
namespace PortAccess {

/// The message for a device file this user may not open: names the file, the group that owns
/// it and how `user` joins that group; when the group has no right to the file either (or is
/// root's), joining would not help and only the administrator can open it up.
std::string PermissionDeniedText(const std::string& path, const std::string& group,
                                 const std::string& user, bool groupMayOpen = true);
/// PermissionDeniedText with the file's real group, its rights and the user running the program.
std::string PermissionDenied(const std::string& path);
/// Who holds the device file open, where the system can tell: "von diesem Programm" or
/// "von 'minicom', Prozess 4711"; "" when no holder is found. Looks at a bounded number of
/// processes and files; call it with the file closed in this program's own attempt.
std::string Holder(const std::string& path);
/// Whether this user may open the device file, for a list of ports: "Zugriff erlaubt.",
/// "Gerätedatei nicht vorhanden." or PermissionDenied.
std::string Access(const std::string& path);

} // namespace PortAccess
