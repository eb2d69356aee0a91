#pragma once

#include <filesystem>
#include <map>
#include <string>

/// Runs nivoconfig-cli as a user would, in a shell with the given environment prefix, without
/// the settings of the user running the tests.
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

/// `text` in single quotes, as one word of the shell text above (test paths hold no quote).
inline std::string Quote(const std::string& text) {
    return "'" + text + "'";
}

/// A --port option for every port: the given device files, the others files in `folder` that
/// do not exist (see PortPath), so that no run reaches a port of the machine.
std::string PortOptions(const std::map<int, std::string>& paths,
                        const std::filesystem::path& folder);

/// One row of a table of program calls: the call and what it must answer on one stream.
struct CliCase {
    enum Stream { Out, Err };
    enum Match { Whole, Starts, Contains };
    std::string arguments;
    int exitCode = 0;
    Stream stream = Err;
    std::string text; ///< the whole stream, its start or a part of it, as `match` says
    Match match = Whole;
    std::string program = ""; ///< empty: nivoconfig-cli
    std::string environment = "LANG=de_DE.UTF-8";
};

/// Runs the row and checks its exit code and stream; the result is there for further checks.
CliResult ExpectCli(const CliCase& row);
