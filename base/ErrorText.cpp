#include "base/ErrorText.h"

#include <cerrno>
#include <cstring>

std::string ErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return "Pfad oder Datei nicht gefunden.";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert.";
    case EISDIR:
        return "Der Name bezeichnet einen Ordner.";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case ENOSPC:
        return "Kein Speicherplatz mehr auf dem Datenträger.";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    case EBUSY:
        return "Die Datei wird bereits verwendet.";
    case EIO:
        return "Ein-/Ausgabefehler.";
    default:
        return std::strerror(errorNumber);
    }
}
