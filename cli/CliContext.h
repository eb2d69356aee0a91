#pragma once

#include "cli/CliMessageService.h"

#include <functional>
#include <string>

class cNivolantis;

/// Exit codes of nivoconfig-cli.
enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

/// What every command shares: the global options and the application object they build.
class CliContext {
public:
    explicit CliContext(CliMessageService& messages) : m_messages(messages) {}

    std::string settingsFile;

    /// Builds the application object (once); false after the start-up message when that fails.
    bool Start();
    cNivolantis& App();

    /// Message boxes shown so far.
    int MessageCount() const { return m_messages.Count(); }

    /// The command's result; kExitFailed once any message box reported a refusal.
    int exitCode = kExitOk;
    void Fail(int code = kExitFailed) { exitCode = std::max(exitCode, code); }

private:
    CliMessageService& m_messages;
};
