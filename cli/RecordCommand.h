#pragma once

namespace CLI {
class App;
}
class CliContext;

/// `record`: prints the commissioning record, or the lines of one device or since one day.
void AddRecordCommand(CLI::App& cli, CliContext& context);
