#include "files/cIniFile.h"

#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "files/Cp1252.h"

bool cIniFile::OpenIni(const std::string& Dateiname, bool Create) {
    const FileResult<Opened> opened = Open(Dateiname, Create);
    if (!opened)
        ShowMessage(OpenFailureText(Dateiname, opened.Failure()), MsgIcon::Critical);
    return opened && *opened == Opened::Existed;
}

std::string cIniFile::OpenFailureText(const std::string& Dateiname, const std::string& failure) {
    return TrArgs(Tr("cIniFile", "Fehler beim Öffnen der Datei '%1': %2"), {Dateiname, failure});
}

FileResult<cIniFile::Opened> cIniFile::Open(const std::string& Dateiname, bool Create) {
    const PathKind kind = KindOfPath(Dateiname);
    if (kind == PathKind::RegularFile || (Create && kind == PathKind::Other)) {
        if (std::string refusal = FileReadRefusal(Dateiname); !refusal.empty())
            return FileResult<Opened>::Failed(refusal);
        m_fileName = Dateiname;
        m_document.reset();
        return Opened::Existed;
    }
    m_document.reset();
    if (!Create) {
        m_fileName.clear();
        return Opened::Missing;
    }
    if (const FileResult<> created = ReplaceFileContent(Dateiname, ""); !created)
        return FileResult<Opened>::Failed(created.Failure());
    m_fileName = Dateiname;
    return Opened::Created;
}

bool cIniFile::setKey(const std::string& section, const std::string& key,
                      const std::string& value) {
    return setKeys({{section, key, value}}).Ok();
}

FileResult<> cIniFile::setKeys(const std::vector<Entry>& entries) {
    if (m_fileName.empty())
        return FileResult<>::Failed(Tr("cIniFile", "Kein Dateiname angegeben."));
    IniDocument document = Load();
    for (const auto& entry : entries)
        document.Set(Utf8ToCp1252(entry.section), Utf8ToCp1252(entry.key),
                     Utf8ToCp1252(entry.value));
    FileResult<> written = ReplaceFileContent(m_fileName, document.Bytes());
    if (written)
        m_document = std::move(document);
    else
        m_document.reset();
    return written;
}

FileResult<> cIniFile::Reload() {
    FileResult<std::string> content =
        m_fileName.empty() ? FileResult<std::string>() : ReadFileContent(m_fileName);
    m_document = IniDocument(FileTextToCp1252(content ? *content : ""));
    return FailedIf(content.Failure());
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
    const FileResult<std::string> content = ReadFileContent(m_fileName);
    return IniDocument(FileTextToCp1252(content ? *content : ""));
}
