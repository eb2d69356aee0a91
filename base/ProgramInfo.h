#pragma once

#include <string>

/// Where the running program lives and what it is called.
struct ProgramInfo {
    std::string folder; ///< folder of the executable, without a trailing separator
    std::string name;   ///< file name of the executable without its extension
    /// The user's folder for program settings ($XDG_CONFIG_HOME, else ~/.config; %APPDATA% on
    /// Windows); empty when unknown.
    std::string configHome;
    /// The user's folder for what programs keep of their own runs ($XDG_STATE_HOME, else
    /// ~/.local/state; %LOCALAPPDATA% on Windows); empty when unknown.
    std::string stateHome;
    std::string userLogin; ///< the operating system's name of the user running the program
    int versionMajor = NIVO_VERSION_MAJOR;
    int versionMinor = NIVO_VERSION_MINOR;
    int versionRevision = NIVO_VERSION_PATCH;

    /// "major.minor.revision", each a plain decimal number ("1.0.5").
    std::string VersionText() const;
    /// The path of a file in the program's folder.
    std::string PathInFolder(const std::string& fileName) const;

    /// Folder and name of the executable of this process, and the user's settings and state
    /// folders.
    static ProgramInfo OfRunningExecutable();
};
