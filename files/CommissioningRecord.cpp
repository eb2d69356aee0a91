#include "files/CommissioningRecord.h"

#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Sha256.h"
#include "base/Text.h"
#include "base/Translation.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <vector>

const char* const CommissioningRecord::kHeader =
    "Zeit,Benutzer,Benutzername,Programm,Vorgang,Schnittstelle,Gerätedatei,Gerät,Variante,"
    "Datei,SHA-256,Ergebnis,Meldung\r\n";

namespace {

/// At most this much of a text from outside goes into one field.
constexpr std::size_t kMaxOutsideText = 1024;

/// The characters that make a spreadsheet take a cell for a formula, and the mark that keeps it
/// text; the mark itself is doubled at the start of a field, so reading drops exactly one.
constexpr char kFormulaStarts[] = "=+-@\t\r";
constexpr char kTextMark = '\'';

/// A field as spreadsheets read it: a text mark before a formula's first character, then quoted
/// with doubled quotes when it holds a separator, a quote or a line break.
std::string Field(const std::string& value) {
    const bool marked = !value.empty() &&
                        (value[0] == kTextMark ||
                         std::string_view(kFormulaStarts).find(value[0]) != std::string_view::npos);
    const std::string text = marked ? kTextMark + value : value;
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

/// A text from outside (a device, a file name, a user) as a short printable quote.
std::string Outside(const std::string& text) {
    return EscapedText(text, kMaxOutsideText);
}

/// The message the user got: its line breaks stay, any other control byte is escaped.
std::string Message(const std::string& text) {
    std::string escaped;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        const bool crlf = end > start && text[end - 1] == '\r';
        escaped += Outside(text.substr(start, end - start - crlf)) + (crlf ? "\r\n" : "\n");
    }
    return escaped + Outside(text.substr(start));
}

/// A field's value as it was before Field marked it.
std::string Unmarked(std::string field) {
    if (!field.empty() && field[0] == kTextMark)
        field.erase(0, 1);
    return field;
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
    return AppendToFile(
        m_path, kHeader,
        Line({TimeText(clock.Now(), clock.UtcOffsetMinutes()), Outside(program.userLogin),
              Outside(userName), program.name, entry.operation, Outside(entry.port),
              Outside(entry.deviceFile), Outside(entry.device), Outside(entry.variant),
              Outside(entry.file), Sha256Hex(entry.bytes), entry.ok ? "OK" : "Fehler",
              Message(entry.message)}));
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
            line.fields.push_back(Unmarked(std::move(field)));
            field.clear();
        } else if (c == '\n') {
            line.fields.push_back(Unmarked(std::move(field)));
            field.clear();
            lines.push_back(std::move(line));
            line = {};
        } else if (c != '\r') {
            field += c;
        }
    }
    if (!line.text.empty()) {
        line.fields.push_back(Unmarked(std::move(field)));
        lines.push_back(std::move(line));
    }
    return lines;
}
