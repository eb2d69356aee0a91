#pragma once

#include "base/FileResult.h"
#include "files/IniDocument.h"

#include <optional>
#include <string>
#include <vector>

/// Reads and writes keys of one INI file at a time (Windows-1252 on disk, UTF-8 here; a file in
/// UTF-8 is read as well). There is no close: the object remembers the file it was last pointed
/// at. The file is read once after each open and then answers every getKey; writing reads it
/// anew, so that keys written by others in between stay.
///
/// Failures follow one rule. Reading never fails: a missing file, section or key, and a file
/// that cannot be read, all read as "" (HasSection: false). Whatever works on the disk for the
/// caller (Open, setKeys, Reload) returns a FileResult whose failure says why, and shows nothing;
/// only OpenIni shows a message, and setKey answers false.
class cIniFile {
public:
    /// What Open found.
    enum class Opened { Existed, Created, Missing };

    /// Points the object at a file, as Open does. True only when an ordinary file of that name
    /// already existed (a file created for `Create` answers false). A failure shows
    /// OpenFailureText as a message box.
    bool OpenIni(const std::string& Dateiname, bool Create);
    /// Points the object at a file. A missing file is created empty when `Create` is true or
    /// else forgets the file name. Fails, keeping the previous file name, for a file too large to
    /// read, one that cannot be created, and, when `Create` is true, a folder, device or pipe.
    FileResult<Opened> Open(const std::string& Dateiname, bool Create);
    /// "Fehler beim Öffnen der Datei '…': " + the failure.
    static std::string OpenFailureText(const std::string& Dateiname, const std::string& failure);

    /// Writes one key; false when the file cannot be written.
    bool setKey(const std::string& section, const std::string& key, const std::string& value);

    struct Entry {
        std::string section, key, value;
    };
    /// Writes many keys as one replacement of the file (nothing is half written).
    FileResult<> setKeys(const std::vector<Entry>& entries);

    /// Reads the file anew for the following getKey and HasSection calls; after a failure it
    /// reads as empty.
    FileResult<> Reload();
    /// True when the file has the section (letter case ignored).
    bool HasSection(const std::string& section) const;
    /// The value of the key; "" for a missing file, section or key.
    std::string getKey(const std::string& section, const std::string& key) const;
    const std::string& getName() const { return m_fileName; }

private:
    /// The whole file as it is now (empty when it cannot be read).
    IniDocument Load() const;

    std::string m_fileName;
    mutable std::optional<IniDocument> m_document; ///< the file as read since the last open
};
