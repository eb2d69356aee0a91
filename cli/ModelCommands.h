#pragma once

namespace CLI {
class App;
}
class CliContext;

/// defaults, check, get, set: the commands that work on parameter files alone.
void AddModelCommands(CLI::App& cli, CliContext& context);
