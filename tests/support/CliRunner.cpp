#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace

CliResult RunCli(const std::string& arguments, const std::string& environment) {
    return RunProgram(NIVO_CLI, arguments, environment);
}

CliResult RunProgram(const std::string& program, const std::string& arguments,
                     const std::string& environment) {
    // A folder of our own: a fixed name in the shared temporary folder may be a file another
    // user left there (a crashed run as root), which we may not overwrite.
    std::string folder = (std::filesystem::temp_directory_path() / "nivo-cli-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return {-1, "", "no temporary folder: " + folder};
    const std::string base = folder + "/cli";
    const std::string command = "env -u LC_ALL -u LC_NUMERIC " + environment + " " + program + " " +
                                arguments + " >" + base + ".out 2>" + base + ".err";
    CliResult result;
    const int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(base + ".out");
    result.err = Slurp(base + ".err");
    std::filesystem::remove_all(folder);
    return result;
}

CliResult ExpectCli(const CliCase& row) {
    const CliResult result =
        RunProgram(row.program.empty() ? NIVO_CLI : row.program, row.arguments, row.environment);
    EXPECT_EQ(row.exitCode, result.exitCode) << row.arguments << "\n" << result.err;
    const std::string& stream = row.stream == CliCase::Out ? result.out : result.err;
    switch (row.match) {
    case CliCase::Whole:
        EXPECT_EQ(row.text, stream) << row.arguments;
        break;
    case CliCase::Starts:
        EXPECT_EQ(0u, stream.find(row.text)) << row.arguments << "\n" << stream;
        break;
    case CliCase::Contains:
        EXPECT_NE(std::string::npos, stream.find(row.text)) << row.arguments << "\n" << stream;
        break;
    }
    return result;
}
