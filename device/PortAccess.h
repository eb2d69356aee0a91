#pragma once

#include <string>

/// Whether this user may open a device file, and what to do when not.
namespace PortAccess {

/// The message for a device file this user may not open: names the file, the group that owns
/// it and how `user` joins that group.
std::string PermissionDeniedText(const std::string& path, const std::string& group,
                                 const std::string& user);
/// PermissionDeniedText with the file's real group and the user running the program.
std::string PermissionDenied(const std::string& path);
/// Whether this user may open the device file, for a list of ports: "Zugriff erlaubt.",
/// "Gerätedatei nicht vorhanden." or PermissionDenied.
std::string Access(const std::string& path);

} // namespace PortAccess
