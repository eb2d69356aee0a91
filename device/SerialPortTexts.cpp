#include "device/SerialPortTexts.h"

#include "base/Translation.h"

std::string SerialPortTexts::NotPresent() {
    return Tr("SerialPort", "Schnittstelle nicht vorhanden.");
}

std::string SerialPortTexts::InUse() {
    return Tr("SerialPort", "Schnittstelle wird bereits verwendet.");
}

std::string SerialPortTexts::InUseBy(const std::string& holder) {
    return TrArgs(Tr("SerialPort", "Schnittstelle wird bereits verwendet (%1)."), {holder});
}

std::string SerialPortTexts::BadSettings() {
    return Tr("SerialPort", "Ungültige Schnittstellenparameter.");
}

std::string SerialPortTexts::SettingsRefused() {
    return Tr("SerialPort", "Schnittstellenparameter werden nicht unterstützt.");
}

std::string SerialPortTexts::NotOpen() {
    return Tr("SerialPort", "Schnittstelle ist nicht geöffnet.");
}

std::string SerialPortTexts::LineLost() {
    return Tr("SerialPort", "Verbindung zur Schnittstelle unterbrochen.");
}

std::string SerialPortTexts::WriteStuck() {
    return Tr("SerialPort", "Daten konnten nicht gesendet werden.");
}

std::string SerialPortTexts::CannotOpen(const std::string& reason) {
    return TrArgs(Tr("SerialPort", "Schnittstelle kann nicht geöffnet werden: %1"), {reason});
}

std::string SerialPortTexts::NoSerialPort() {
    return CannotOpen(Tr("SerialPort", "keine serielle Schnittstelle."));
}
