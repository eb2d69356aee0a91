#pragma once

#include "app/SettingsFiles.h"
#include "app/ViewRegistration.h"
#include "base/InterfaceLanguage.h"
#include "cli/CliMessageService.h"
#include "cli/TerminalProgress.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class cNivolantis;
class DemoDevice;

/// Exit codes of nivoconfig-cli.
enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

/// What every command shares: the global options and the application object they build.
class CliContext {
public:
    explicit CliContext(CliMessageService& messages);
    ~CliContext();

    /// --settings: this file instead of the installed and the user's settings.
    std::string settingsFile;
    /// "COMn=PATH" or a bare "PATH" (COM1), applied after the settings file's port names.
    std::vector<std::string> ports;
    /// Serve COM1 with the built-in simulated device.
    bool demo = false;
    /// --trace: the file that takes every byte to and from the device; empty: no trace.
    std::string traceFile;
    /// --no-record: this run's device operations stay out of the commissioning record.
    bool noRecord = false;
    /// The language of the texts; in English, list and diff add each entry's caption.
    Language language = Language::German;

    /// The arguments of the command that runs (one per call).
    struct Arguments {
        std::string file;               ///< the file the command reads
        std::string out;                ///< -o/--output
        std::vector<std::string> names; ///< "GROUP/NAME" or "GROUP/NAME=TEXT"
        std::int32_t size = 0;          ///< number of bytes to read
        std::string second;             ///< the second file of a comparison
        std::string variant;            ///< --variant: "7", "1", "0", "geraet" or empty
        bool verbose = false;           ///< -v: show every step
        bool device = false;            ///< --device: the device takes the second file's place
        double every = 0;               ///< --every: seconds between repetitions, 0: once
        std::string since;              ///< --since: "YYYY-MM-DD", the first day shown
        std::string deviceId;           ///< --device: a part of the device's identification
    } args;

    /// Shows the progress of device transfers.
    TerminalProgress progress;
    /// Keeps `progress` a view of the application object once a transfer needs it.
    ViewRegistration progressView;

    /// The installed and the user's settings, or the --settings file instead.
    SettingsFiles Settings() const;

    /// Builds the application object (once) and sets up the ports; false after a message
    /// when that fails.
    bool Start();
    cNivolantis& App();
    /// Starts and loads a parameter file; false (and a failed command) when the file could not
    /// be loaded or a value in it was refused.
    bool LoadFile(const std::string& file);
    /// Starts and searches the device, whose port stays open; false (and a failed command)
    /// after "Kein Gerät gefunden." and, unless `quiet`, what each port did.
    bool ConnectDevice(bool quiet = false);
    /// Applies --variant to the model; "geraet" reads the device's variant byte as the options
    /// window does. False (and a failed command) when the device could not tell.
    bool ApplyVariant();

    /// Writes the rest of the trace and tells on standard error when it stopped early (its
    /// limit, a failed write); the command's result stays.
    void EndTrace();

    /// Message boxes shown so far.
    int MessageCount() const { return m_messages.Count(); }

    /// The command's result; kExitFailed once any message box reported a refusal.
    int exitCode = kExitOk;
    void Fail(int code = kExitFailed) { exitCode = std::max(exitCode, code); }

private:
    bool MapPorts();
    bool StartTrace();

    CliMessageService& m_messages;
    std::unique_ptr<DemoDevice> m_demoDevice;
};
