#include "device/PortAccess.h"

#include "base/Translation.h"

// Windows grants every user its serial ports; a port another program holds is "in use".
std::string PortAccess::PermissionDenied(const std::string& path) {
    return TrArgs(Tr("PortAccess", "Keine Berechtigung für %1."), {path});
}

std::string PortAccess::Access(const std::string&) {
    return Tr("PortAccess", "Zugriff erlaubt.");
}

std::string PortAccess::Holder(const std::string&) {
    return ""; // Windows names no holder of a port without administrator rights
}
