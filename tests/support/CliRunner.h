#pragma once

#include <string>

/// Runs nivoconfig-cli as a user would, in a shell with the given environment prefix.
struct CliResult {
    int exitCode = -1;
    std::string out; ///< standard output
    std::string err; ///< standard error
};

/// `arguments` is shell text after the program name; `environment` precedes it
/// ("LANG=de_DE.UTF-8").
CliResult RunCli(const std::string& arguments, const std::string& environment = "LANG=de_DE.UTF-8");

/// The same for any program, given by its path.
CliResult RunProgram(const std::string& program, const std::string& arguments,
                     const std::string& environment = "LANG=de_DE.UTF-8");
