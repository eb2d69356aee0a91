#pragma once

#include "base/FileResult.h"
#include "base/ProgramInfo.h"

#include <string>
#include <vector>

/// One device operation as the commissioning record keeps it.
struct RecordEntry {
    std::string operation;  ///< "Konfiguration schreiben", "Firmware lesen", …
    std::string port;       ///< "COM3"
    std::string deviceFile; ///< "/dev/ttyUSB0"
    std::string device;     ///< the device's identification
    std::string variant;    ///< its hardware variant
    std::string file;       ///< the parameter or firmware file; empty when there is none
    std::string bytes;      ///< what went to or came from the device; the record keeps its SHA-256
    bool ok = false;
    std::string message; ///< what the user was told
};

/// One line of a record file: its text as written (line end included) and its fields unquoted.
struct RecordLine {
    std::string text;
    std::vector<std::string> fields;
};

/// The commissioning record: a CSV file (UTF-8, one header line) with one line per configuration
/// write or read, EEPROM write and firmware write or read — when, by whom, with which program,
/// on which port and device, which file and which bytes (as SHA-256), and how it ended. Lines are
/// only ever appended, each synced to the disk, so several programs can keep one record. Texts
/// from outside (device, file names, users) are escaped and cut, and a field that a spreadsheet
/// would take for a formula gets an apostrophe in front (see Lines).
class CommissioningRecord {
public:
    explicit CommissioningRecord(std::string path) : m_path(std::move(path)) {}
    /// "NivoConfig/Inbetriebnahme.csv" in the user's state folder; no path when that is unknown.
    static CommissioningRecord ForUser(const ProgramInfo& program);

    const std::string& Path() const { return m_path; }

    /// Appends the entry with the time, the operating system's user, the program and `userName`
    /// (the configuration's "Benutzername").
    FileResult<> Append(const RecordEntry& entry, const std::string& userName) const;

    /// The first line of every record file.
    static const char* const kHeader;
    static constexpr int kTimeField = 0;   ///< "2026-12-06T14:05:09+01:00"
    static constexpr int kDeviceField = 7; ///< the device's identification

    /// The lines of a record file's content, the header first. A line break inside a quoted
    /// field belongs to its line; a last line without its line end still counts. A field's
    /// leading apostrophe, which Append puts before "=", "+", "-", "@", a tab, a carriage return
    /// and an apostrophe, is dropped.
    static std::vector<RecordLine> Lines(const std::string& content);

private:
    std::string m_path;
};
