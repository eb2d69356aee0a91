#include "base/FileContentTexts.h"

#include "base/Translation.h"

std::string FileContentTexts::NotRegular() {
    return Tr("FileContent",
              "Der Name bezeichnet keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe.");
}

std::string FileContentTexts::TooLarge() {
    return Tr("FileContent", "Die Datei ist größer als 16 MiB.");
}

std::string FileContentTexts::WriteProtected() {
    return Tr("FileContent", "Die Datei ist schreibgeschützt.");
}

std::string FileContentTexts::LinkRefused() {
    return Tr("FileContent",
              "Der Name ist ein symbolischer Link; ihm wird nicht gefolgt, die Datei bleibt "
              "unverändert.");
}

std::string FileContentTexts::OtherOwner() {
    return Tr("FileContent", "Die Datei gehört einem anderen Benutzer und wird nicht ergänzt.");
}

std::string FileContentTexts::NoWriteRight(const std::string& folder) {
    return TrArgs(Tr("FileContent", "Im Ordner '%1' fehlt das Recht zu schreiben."), {folder});
}

/// The failure of a write that left the old content as it was.
std::string FileContentTexts::OldFileKept(const std::string& failure) {
    return TrArgs(Tr("FileContent", "%1 Die bisherige Datei ist unverändert."), {failure});
}

/// The failure of a write that may have changed part of the old content.
std::string FileContentTexts::MaybeIncomplete(const std::string& failure) {
    return TrArgs(Tr("FileContent", "%1 Die Datei ist möglicherweise unvollständig."), {failure});
}
