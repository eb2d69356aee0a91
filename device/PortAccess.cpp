#include "device/PortAccess.h"

std::string PortAccess::PermissionDeniedText(const std::string& path, const std::string& group,
                                             const std::string& user) {
    return "Keine Berechtigung für " + path + " (Gruppe '" + group + "'). " + user +
           " muss Mitglied der Gruppe '" + group + "' werden: sudo usermod -aG " + group + " " +
           user + ", dann neu anmelden.";
}
