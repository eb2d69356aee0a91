#include "app/basMain.h"

#include "base/Platform.h"

#include <exception>

std::unique_ptr<cNivolantis> MyNivolantis;

bool CreateApplication(const std::string& settingsFile) {
    try {
        MyNivolantis = std::make_unique<cNivolantis>(settingsFile);
        return true;
    } catch (const std::exception& error) {
        ShowMessage("Fehler beim Programmstart in Modul 'basMain': \r\n" + std::string(error.what()),
                    MsgIcon::Critical);
        return false;
    }
}
