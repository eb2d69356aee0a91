#pragma once

namespace CLI {
class App;
}
class CliContext;

/// measure: the device's live values (output current, measured value, A/D converter value),
/// once or repeated until the user stops it.
void AddMeasureCommand(CLI::App& cli, CliContext& context);
