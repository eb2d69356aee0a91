#include "app/SettingsFiles.h"

#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "files/Cp1252.h"
#include "files/IniDocument.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

constexpr char kFileName[] = "NivoConfig.ini";
constexpr char kDisplaySection[] = "Anzeige";
constexpr char kHighlightKey[] = "AbweichungenHervorheben"; ///< "1" or "0"

std::optional<std::string> ValueIn(const std::string& file, const std::string& section,
                                   const std::string& key) {
    if (file.empty() || KindOfPath(file) != PathKind::RegularFile)
        return std::nullopt;
    const auto content = ReadFileContent(file);
    if (!content)
        return std::nullopt;
    const auto value =
        IniDocument(FileTextToCp1252(*content)).Get(Utf8ToCp1252(section), Utf8ToCp1252(key));
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
