#pragma once

namespace CLI {
class App;
}
class CliContext;

/// report: the configuration report of a parameter file, as text or as a PDF file.
void AddReportCommand(CLI::App& cli, CliContext& context);
