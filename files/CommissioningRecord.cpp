#include "files/CommissioningRecord.h"

#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Sha256.h"
#include "base/Translation.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <vector>

const char* const CommissioningRecord::kHeader =
    "Zeit,Benutzer,Benutzername,Programm,Vorgang,Schnittstelle,Gerätedatei,Gerät,Variante,"
    "Datei,SHA-256,Ergebnis,Meldung\r\n";

namespace {

/// A field as spreadsheets read it: quoted with doubled quotes when it holds a separator, a
/// quote or a line break.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

/// "2026-12-06T14:05:09+01:00": the local time with its offset from UTC.
std::string TimeText(const DateTime& time, int offsetMinutes) {
    char text[32];
    const int offset = std::abs(offsetMinutes);
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", time.year,
                  time.month, time.day, time.hour, time.minute, time.second,
                  offsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::string Line(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "" : ",") + Field(field);
    return line + "\r\n";
}

} // namespace

CommissioningRecord CommissioningRecord::ForUser(const ProgramInfo& program) {
    if (program.stateHome.empty())
        return CommissioningRecord("");
    ProgramInfo state;
    state.folder = program.stateHome;
    return CommissioningRecord(state.PathInFolder("NivoConfig/Inbetriebnahme.csv"));
}

FileResult<> CommissioningRecord::Append(const RecordEntry& entry,
                                         const std::string& userName) const {
    if (m_path.empty())
        return FileResult<>::Failed(
            Tr("CommissioningRecord", "Es gibt keinen Ordner für das Inbetriebnahmeprotokoll."));
    const Clock& clock = Platform::Clocks();
    const ProgramInfo& program = Platform::Program();
    return AppendToFile(m_path, kHeader,
                        Line({TimeText(clock.Now(), clock.UtcOffsetMinutes()), program.userLogin,
                              userName, program.name, entry.operation, entry.port, entry.deviceFile,
                              entry.device, entry.variant, entry.file, Sha256Hex(entry.bytes),
                              entry.ok ? "OK" : "Fehler", entry.message}));
}

std::vector<RecordLine> CommissioningRecord::Lines(const std::string& content) {
    std::vector<RecordLine> lines;
    RecordLine line;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        line.text += c;
        if (quoted) {
            const bool doubled = c == '"' && i + 1 < content.size() && content[i + 1] == '"';
            if (doubled)
                line.text += content[++i];
            if (c != '"' || doubled)
                field += c;
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            line.fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            line.fields.push_back(std::move(field));
            field.clear();
            lines.push_back(std::move(line));
            line = {};
        } else if (c != '\r') {
            field += c;
        }
    }
    if (!line.text.empty()) {
        line.fields.push_back(std::move(field));
        lines.push_back(std::move(line));
    }
    return lines;
}
