#include "support/CliRunner.h"
#include "support/PortMap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

std::string PortOptions(const std::map<int, std::string>& paths,
                        const std::filesystem::path& folder) {
    std::string options;
    for (int n = 1; n <= cSerCom::kPortCount; ++n)
        options += " --port COM" + std::to_string(n) + "=" + Quote(PortPath(paths, n, folder));
    return options + " ";
}

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
    // The developer's own settings, record and language stay out unless the environment names
    // its own.
    const std::string command = "XDG_CONFIG_HOME=" + folder + " XDG_STATE_HOME=" + folder +
                                " env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC " +
                                environment + " " + program + " " + arguments + " >" + base +
                                ".out 2>" + base + ".err";
    const int status = std::system(command.c_str());
    const auto slurp = [](const std::string& path) {
        std::ostringstream content;
        content << std::ifstream(path, std::ios::binary).rdbuf();
        return content.str();
    };
    const CliResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(base + ".out"),
                           slurp(base + ".err")};
    std::filesystem::remove_all(folder);
    return result;
}

CliResult ExpectCli(const CliCase& row) {
    const CliResult result =
        RunProgram(row.program.empty() ? NIVO_CLI : row.program, row.arguments, row.environment);
    EXPECT_EQ(row.exitCode, result.exitCode) << row.arguments << "\n" << result.err;
    const std::string& stream = row.stream == CliCase::Out ? result.out : result.err;
    const std::size_t at = stream.find(row.text);
    if (row.match == CliCase::Whole)
        EXPECT_EQ(row.text, stream) << row.arguments;
    else
        EXPECT_TRUE(row.match == CliCase::Starts ? at == 0 : at != std::string::npos)
            << row.arguments << "\n'" << row.text << "' not in:\n"
            << stream;
    return result;
}
