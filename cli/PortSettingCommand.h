#pragma once

namespace CLI {
class App;
}
class CliContext;

/// save-port: keeps the device file of a COMn in the user's own settings.
void AddPortSettingCommand(CLI::App& cli, CliContext& context);
