#pragma once

#include <string>

/// The serial ports' failure texts, the same on every operating system.
namespace SerialPortTexts {

std::string NotPresent();
std::string InUse();
/// "Schnittstelle wird bereits verwendet (von diesem Programm)." for the holder's description.
std::string InUseBy(const std::string& holder);
std::string BadSettings();
std::string SettingsRefused();
std::string NotOpen();
std::string LineLost();
std::string WriteStuck();
std::string CannotOpen(const std::string& reason);
std::string NoSerialPort();

} // namespace SerialPortTexts
