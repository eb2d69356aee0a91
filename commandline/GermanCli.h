#pragma once

#include <string>

namespace CLI {
class App;
}

/// The command-line framework's own texts in German, for every program of the project: help
/// layout, the help and version flags, and the messages of usage errors.
namespace GermanCli {

/// "nivosim (NivoConfig 1.0.5)" for the running program.
std::string VersionText(const std::string& program);

/// German labels, "-h,--help" and "--version" on `app`; call before adding subcommands, which
/// inherit the texts.
void Setup(CLI::App& app, const std::string& program);

} // namespace GermanCli
