#pragma once

#include "files/IniDocument.h"

#include <optional>
#include <string>
#include <vector>

/// Reads and writes keys of one INI file at a time (Windows-1252 on disk, UTF-8 here; a file in
/// UTF-8 is read as well). There is no close: the object remembers the file it was last pointed
/// at. The file is read once after each open and then answers every getKey; writing reads it
/// anew, so that keys written by others in between stay.
class cIniFile {
public:
    enum class OpenResult { Existed, Created, Missing, Failed };

    /// Points the object at a file. True only when an ordinary file of that name already existed.
    /// A missing file is created empty when `Create` is true (the result is still false) or else
    /// forgets the file name. A failure shows "Fehler beim Öffnen der Datei '…': …" and keeps the
    /// previous file name; so does a file that is too large to read, and, when `Create` is true,
    /// a folder, device or pipe of that name.
    bool OpenIni(const std::string& Dateiname, bool Create);
    /// The same, telling the four outcomes apart.
    OpenResult Open(const std::string& Dateiname, bool Create);

    /// Writes one key; false when the file cannot be written. No message.
    bool setKey(const std::string& section, const std::string& key, const std::string& value);

    struct Entry {
        std::string section, key, value;
    };
    /// Writes many keys as one replacement of the file (nothing is half written). Returns an empty
    /// text on success, else a description of the failure.
    std::string setKeys(const std::vector<Entry>& entries);

    /// Reads the file anew for the following getKey and HasSection calls. An empty text on
    /// success, else why the file cannot be read (it then reads as empty).
    std::string Reload();
    /// True when the file has the section (letter case ignored).
    bool HasSection(const std::string& section) const;
    /// The value of the key; "" for a missing file, section or key. Never fails.
    std::string getKey(const std::string& section, const std::string& key) const;
    const std::string& getName() const { return m_fileName; }

private:
    /// The whole file as it is now (empty when it cannot be read).
    IniDocument Load() const;

    std::string m_fileName;
    mutable std::optional<IniDocument> m_document; ///< the file as read since the last open
};
