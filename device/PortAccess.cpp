#include "device/PortAccess.h"

#include "base/Translation.h"

std::string PortAccess::PermissionDeniedText(const std::string& path, const std::string& group,
                                             const std::string& user, bool groupMayOpen) {
    if (!groupMayOpen)
        return TrArgs(Tr("PortAccess", "Keine Berechtigung für %1 (Gruppe '%2' ohne Lese- und "
                                       "Schreibrecht). Der Verwalter des Rechners muss den "
                                       "Zugriff freigeben."),
                      {path, group});
    return TrArgs(Tr("PortAccess", "Keine Berechtigung für %1 (Gruppe '%2'). %3 muss Mitglied der "
                                   "Gruppe '%2' werden: sudo usermod -aG %2 %3, dann neu "
                                   "anmelden."),
                  {path, group, user});
}
