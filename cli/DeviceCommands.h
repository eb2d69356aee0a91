#pragma once

namespace CLI {
class App;
}
class CliContext;

/// connect, read, write: the commands that talk to the device.
void AddDeviceCommands(CLI::App& cli, CliContext& context);
