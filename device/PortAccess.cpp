#include "device/PortAccess.h"

std::string PortAccess::PermissionDeniedText(const std::string& path, const std::string& group,
                                             const std::string& user, bool groupMayOpen) {
    if (!groupMayOpen)
        return "Keine Berechtigung für " + path + " (Gruppe '" + group +
               "' ohne Lese- und Schreibrecht). Der Verwalter des Rechners muss den Zugriff "
               "freigeben.";
    return "Keine Berechtigung für " + path + " (Gruppe '" + group + "'). " + user +
           " muss Mitglied der Gruppe '" + group + "' werden: sudo usermod -aG " + group + " " +
           user + ", dann neu anmelden.";
}
