#pragma once

namespace CLI {
class App;
}
class CliContext;

/// connect, ports, read, write, measure: the commands that talk to the device.
void AddDeviceCommands(CLI::App& cli, CliContext& context);

/// --variant 7|1|0|geraet on a command that works with the model's hardware variant.
void AddVariantOption(CLI::App& command, CliContext& context);
