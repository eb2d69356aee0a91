#include "device/PortAccess.h"

// Windows grants every user its serial ports; a port another program holds is "in use".
std::string PortAccess::PermissionDenied(const std::string& path) {
    return "Keine Berechtigung für " + path + ".";
}

std::string PortAccess::Access(const std::string&) {
    return "Zugriff erlaubt.";
}
