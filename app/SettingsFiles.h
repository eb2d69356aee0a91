#pragma once

#include "base/ProgramInfo.h"

#include <string>

/// The program's settings "NivoConfig.ini": the installed file holds the defaults (units, ports,
/// the maker's address), and the user's own file overrides them key by key. A file named on the
/// command line replaces both. A file is read once and again only when it has changed, so a
/// writer in between is seen. A file that cannot be taken (a pipe, over 16 MiB, binary) is left
/// out with a warning, once.
class SettingsFiles {
public:
    /// The installed file found from the program's folder, with the user's file over it.
    static SettingsFiles ForUser(const ProgramInfo& program);
    static SettingsFiles ForUser();
    /// One file instead of both: every key is read from it, and the user's choices go into it.
    static SettingsFiles Only(const std::string& file);

    /// "../share/nivoconfig/NivoConfig.ini" from the program's folder when it exists (an installed
    /// tree, wherever it was moved to), else "NivoConfig.ini" beside the program (a build tree).
    static std::string InstalledFile(const ProgramInfo& program);
    /// "NivoConfig/NivoConfig.ini" in the user's configuration folder; empty when that is unknown.
    static std::string UserFile(const ProgramInfo& program);

    /// The file that must exist: the installed one, or the one named instead of both.
    const std::string& DefaultsFile() const { return m_defaults; }
    /// The file that takes the user's choices; empty when there is none.
    const std::string& ChoicesFile() const { return m_user; }

    /// The user's value where the user's file has the key, else the default; "" when neither has
    /// it or a file cannot be read.
    std::string getKey(const std::string& section, const std::string& key) const;

    /// Writes one key into the user's file only, through the safe writer, creating the file and
    /// its folder. Returns an empty text on success, else a description of the failure; a value
    /// over 254 bytes, which reading would cut, is refused.
    std::string setKey(const std::string& section, const std::string& key,
                       const std::string& value) const;

    /// Keeps the device file the user chose for COMn (1 to 16); an empty path gives the port back
    /// to the default.
    std::string SavePortPath(int port, const std::string& path) const;

    /// Whether the pages mark the values that differ from the factory settings: on unless a
    /// file says "0".
    bool HighlightDefaults() const;
    /// Keeps that choice in the user's file; the result as setKey's.
    std::string SaveHighlightDefaults(bool on) const;

    /// Whether the window traces the device traffic: off unless a file says "1".
    bool Trace() const;
    /// Keeps that choice in the user's file; the result as setKey's.
    std::string SaveTrace(bool on) const;

private:
    SettingsFiles(std::string defaults, std::string user);

    std::string m_defaults;
    std::string m_user;
};
