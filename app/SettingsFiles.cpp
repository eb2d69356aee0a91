#include "app/SettingsFiles.h"

#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "files/Cp1252.h"
#include "files/IniDocument.h"

#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

namespace {

constexpr char kFileName[] = "NivoConfig.ini";
constexpr char kDisplaySection[] = "Anzeige";
constexpr char kHighlightKey[] = "AbweichungenHervorheben"; ///< "1" or "0"
constexpr char kDiagnosisSection[] = "Diagnose";
constexpr char kTraceKey[] = "Mitschnitt"; ///< "1" or "0"

constexpr std::size_t kMaxValueLength = 254; ///< what a value read from the file keeps

/// What tells one state of a settings file from another.
struct FileStamp {
    std::filesystem::file_type type = std::filesystem::file_type::none;
    std::filesystem::file_time_type time;
    std::uintmax_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& file) {
    const std::filesystem::path path(
        std::u8string(reinterpret_cast<const char8_t*>(file.data()), file.size()));
    std::error_code error;
    FileStamp stamp;
    stamp.type = std::filesystem::status(path, error).type();
    if (stamp.type == std::filesystem::file_type::regular) {
        stamp.time = std::filesystem::last_write_time(path, error);
        stamp.size = std::filesystem::file_size(path, error);
    }
    return stamp;
}

/// A settings file as last read; no document when it is missing or was refused.
struct ReadFile {
    bool read = false;
    FileStamp stamp;
    std::optional<IniDocument> document;
};

/// Every settings file this run has read, by name: each is read once, and again only after it
/// changed, however many keys are asked for.
std::map<std::string, ReadFile>& ReadFiles() {
    static std::map<std::string, ReadFile> files;
    return files;
}

/// Why the file's content is no settings file; empty when it may be one.
std::string ContentRefusal(const FileResult<std::string>& content) {
    if (!content)
        return content.Failure();
    if (content->find('\0') != std::string::npos)
        return Tr("SettingsFiles", "Sie enthält Binärdaten (ein Null-Byte).");
    return "";
}

/// The file's document, read when it is new or changed. A file that exists but cannot be taken
/// (a pipe, over 16 MiB, binary) is told once per state and left out, as a missing one is.
const IniDocument* Document(const std::string& file) {
    if (file.empty())
        return nullptr;
    const FileStamp stamp = StampOf(file);
    ReadFile& read = ReadFiles()[file];
    if (read.read && read.stamp == stamp)
        return read.document ? &*read.document : nullptr;
    read = {true, stamp, std::nullopt};
    if (stamp.type == std::filesystem::file_type::not_found)
        return nullptr;
    const FileResult<std::string> content = ReadFileContent(file);
    if (const std::string refusal = ContentRefusal(content); !refusal.empty()) {
        ShowMessage(TrArgs(Tr("SettingsFiles", "Die Einstellungsdatei '%1' wird nicht gelesen. "
                                               "%2 Es gelten die übrigen Einstellungen."),
                           {file, refusal}),
                    MsgIcon::Exclamation);
        return nullptr;
    }
    read.document.emplace(FileTextToCp1252(*content));
    return &*read.document;
}

std::optional<std::string> ValueIn(const std::string& file, const std::string& section,
                                   const std::string& key) {
    const IniDocument* document = Document(file);
    if (!document)
        return std::nullopt;
    const auto value = document->Get(Utf8ToCp1252(section), Utf8ToCp1252(key));
    if (!value)
        return std::nullopt;
    return Cp1252ToUtf8(*value);
}

} // namespace

SettingsFiles::SettingsFiles(std::string defaults, std::string user)
    : m_defaults(std::move(defaults)), m_user(std::move(user)) {}

SettingsFiles SettingsFiles::ForUser(const ProgramInfo& program) {
    return SettingsFiles(InstalledFile(program), UserFile(program));
}

SettingsFiles SettingsFiles::ForUser() {
    return ForUser(Platform::Program());
}

SettingsFiles SettingsFiles::Only(const std::string& file) {
    return SettingsFiles(file, file);
}

std::string SettingsFiles::InstalledFile(const ProgramInfo& program) {
    const std::string installed =
        program.PathInFolder(std::string("../share/nivoconfig/") + kFileName);
    if (KindOfPath(installed) == PathKind::RegularFile)
        return installed;
    return program.PathInFolder(kFileName);
}

std::string SettingsFiles::UserFile(const ProgramInfo& program) {
    if (program.configHome.empty())
        return {};
    ProgramInfo config;
    config.folder = program.configHome;
    return config.PathInFolder(std::string("NivoConfig/") + kFileName);
}

std::string SettingsFiles::getKey(const std::string& section, const std::string& key) const {
    if (m_user != m_defaults)
        if (auto own = ValueIn(m_user, section, key))
            return *own;
    return ValueIn(m_defaults, section, key).value_or("");
}

std::string SettingsFiles::setKey(const std::string& section, const std::string& key,
                                  const std::string& value) const {
    if (m_user.empty())
        return Tr("SettingsFiles", "Kein Ordner für die eigenen Einstellungen bekannt.");
    if (value.size() > kMaxValueLength)
        return TrArgs(Tr("SettingsFiles", "Der Wert ist %1 Bytes lang; die Einstellungsdatei "
                                          "nimmt höchstens %2 Bytes auf."),
                      {std::to_string(value.size()), std::to_string(kMaxValueLength)});
    std::error_code error;
    // A name without a folder ("NivoConfig.ini") lies in the current one; the path knows the
    // separators of the system ("C:\\Anlage\\NivoConfig.ini" on Windows).
    const std::filesystem::path folder =
        std::filesystem::path(
            std::u8string(reinterpret_cast<const char8_t*>(m_user.data()), m_user.size()))
            .parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, error);
    if (error)
        return TrArgs(Tr("SettingsFiles", "Der Ordner für '%1' kann nicht angelegt werden."),
                      {m_user});
    FileResult<std::string> content;
    if (KindOfPath(m_user) != PathKind::Missing && !(content = ReadFileContent(m_user)))
        return content.Failure();
    IniDocument document(FileTextToCp1252(*content));
    document.Set(Utf8ToCp1252(section), Utf8ToCp1252(key), Utf8ToCp1252(value));
    ReadFiles().erase(m_user); // a write within the same tick of the file clock is seen too
    return ReplaceFileContent(m_user, document.Bytes()).Failure();
}

std::string SettingsFiles::SavePortPath(int port, const std::string& path) const {
    return setKey("Schnittstellen", "COM" + std::to_string(port), path);
}

bool SettingsFiles::HighlightDefaults() const {
    return getKey(kDisplaySection, kHighlightKey) != "0";
}

std::string SettingsFiles::SaveHighlightDefaults(bool on) const {
    return setKey(kDisplaySection, kHighlightKey, on ? "1" : "0");
}

bool SettingsFiles::Trace() const {
    return getKey(kDiagnosisSection, kTraceKey) == "1";
}

std::string SettingsFiles::SaveTrace(bool on) const {
    return setKey(kDiagnosisSection, kTraceKey, on ? "1" : "0");
}
