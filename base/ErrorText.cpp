#include "base/ErrorText.h"

#include "base/Translation.h"

#include <cerrno>
#include <cstring>

std::string ErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return Tr("ErrorText", "Pfad oder Datei nicht gefunden.");
    case EACCES:
    case EPERM:
        return Tr("ErrorText", "Zugriff verweigert.");
    case EISDIR:
        return Tr("ErrorText", "Der Name bezeichnet einen Ordner.");
    case ENOTDIR:
        return Tr("ErrorText", "Ein Teil des Pfades ist kein Ordner.");
    case EROFS:
        return Tr("ErrorText", "Der Datenträger ist schreibgeschützt.");
    case ENOSPC:
        return Tr("ErrorText", "Kein Speicherplatz mehr auf dem Datenträger.");
    case ENAMETOOLONG:
        return Tr("ErrorText", "Der Dateiname ist zu lang.");
    case EBUSY:
        return Tr("ErrorText", "Die Datei wird bereits verwendet.");
    case EIO:
        return Tr("ErrorText", "Ein-/Ausgabefehler.");
    default:
        return std::strerror(errorNumber);
    }
}
