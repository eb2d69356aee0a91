#pragma once

namespace CLI {
class App;
}
class CliContext;

/// list, diff: the commands that show what a parameter file holds and how two configurations
/// differ.
void AddListDiffCommands(CLI::App& cli, CliContext& context);
