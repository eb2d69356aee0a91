#include "support/CliRunner.h"

#include <cstdio>
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
    const std::string base = "/tmp/nivo-cli-" + std::to_string(getpid());
    const std::string command = "env -u LC_ALL -u LC_NUMERIC " + environment + " " + program + " " +
                                arguments + " >" + base + ".out 2>" + base + ".err";
    CliResult result;
    const int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(base + ".out");
    result.err = Slurp(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    return result;
}
