#pragma once

namespace CLI {
class App;
}
class CliContext;

/// firmware-write, firmware-read, eeprom-read, eeprom-write: the service commands that move
/// the device's program flash and its EEPROM as Intel HEX files.
void AddFirmwareCommands(CLI::App& cli, CliContext& context);
