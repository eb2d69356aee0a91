#include "files/cIniFile.h"

#include "base/FileContent.h"
#include "base/Platform.h"
#include "files/Cp1252.h"

bool cIniFile::OpenIni(const std::string& Dateiname, bool Create) {
    return Open(Dateiname, Create) == OpenResult::Existed;
}

cIniFile::OpenResult cIniFile::Open(const std::string& Dateiname, bool Create) {
    const PathKind kind = KindOfPath(Dateiname);
    if (kind == PathKind::RegularFile || (Create && kind == PathKind::Other)) {
        if (std::string refusal = FileReadRefusal(Dateiname); !refusal.empty()) {
            ShowMessage("Fehler beim Öffnen der Datei '" + Dateiname + "': " + refusal,
                        MsgIcon::Critical);
            return OpenResult::Failed;
        }
        m_fileName = Dateiname;
        m_document.reset();
        return OpenResult::Existed;
    }
    m_document.reset();
    if (!Create) {
        m_fileName.clear();
        return OpenResult::Missing;
    }
    if (std::string failure = ReplaceFileContent(Dateiname, ""); !failure.empty()) {
        ShowMessage("Fehler beim Öffnen der Datei '" + Dateiname + "': " + failure,
                    MsgIcon::Critical);
        return OpenResult::Failed;
    }
    m_fileName = Dateiname;
    return OpenResult::Created;
}

bool cIniFile::setKey(const std::string& section, const std::string& key,
                      const std::string& value) {
    return setKeys({{section, key, value}}).empty();
}

std::string cIniFile::setKeys(const std::vector<Entry>& entries) {
    if (m_fileName.empty())
        return "Kein Dateiname angegeben.";
    IniDocument document = Load();
    for (const auto& entry : entries)
        document.Set(Utf8ToCp1252(entry.section), Utf8ToCp1252(entry.key),
                     Utf8ToCp1252(entry.value));
    std::string failure = ReplaceFileContent(m_fileName, document.Bytes());
    if (failure.empty())
        m_document = std::move(document);
    else
        m_document.reset();
    return failure;
}

std::string cIniFile::Reload() {
    std::string failure;
    std::optional<std::string> content;
    if (!m_fileName.empty())
        content = ReadFileContent(m_fileName, failure);
    m_document = IniDocument(FileTextToCp1252(content.value_or("")));
    return failure;
}

bool cIniFile::HasSection(const std::string& section) const {
    if (!m_document)
        m_document = Load();
    return m_document->HasSection(Utf8ToCp1252(section));
}

std::string cIniFile::getKey(const std::string& section, const std::string& key) const {
    if (!m_document)
        m_document = Load();
    auto value = m_document->Get(Utf8ToCp1252(section), Utf8ToCp1252(key));
    return value ? Cp1252ToUtf8(*value) : "";
}

IniDocument cIniFile::Load() const {
    if (m_fileName.empty())
        return {};
    return IniDocument(FileTextToCp1252(ReadFileContent(m_fileName).value_or("")));
}
