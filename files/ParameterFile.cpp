#include "files/ParameterFile.h"

#include "base/NumberText.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "files/cIniFile.h"
#include "model/CatalogueNames.h"
#include "model/Configuration.h"
#include "model/LimitRules.h"

#include <exception>

namespace {
using Catalogue::kDescriptionSection;
constexpr int kDescriptionCount = Configuration::kDescriptionCount;
} // namespace

bool ParameterFile::Write(const std::string& fileName) {
    if (fileName.empty()) {
        ShowMessage(Tr("ParameterFile",
                       "Kein Dateiname angegeben. Die Parameter wurden nicht gespeichert."),
                    MsgIcon::Critical);
        return false;
    }
    if (const auto opened = m_ini.Open(fileName, true); !opened) {
        ShowMessage(cIniFile::OpenFailureText(fileName, opened.Failure()), MsgIcon::Critical);
        return false;
    }

    std::vector<cIniFile::Entry> entries;
    m_config.ForEachParameter([&entries](cDataGroup& group, cParameter& parameter) {
        entries.push_back(
            {group.GroupName(), parameter.ParName(), NumberToText(parameter.Value())});
    });
    for (int line = 0; line < kDescriptionCount; ++line)
        entries.push_back({kDescriptionSection, Configuration::DescriptionKey(line),
                           m_config.GetDescription(line)});
    const ProgramInfo& program = Platform::Program();
    entries.push_back({"Programm", "Name", program.name});
    entries.push_back({"Programm", "Version", program.VersionText()});

    if (const FileResult<> written = m_ini.setKeys(entries); !written) {
        ShowMessage(TrArgs(Tr("ParameterFile", "Fehler beim Speichern der Datei '%1': %2"),
                           {fileName, written.Failure()}),
                    MsgIcon::Critical);
        return false;
    }
    m_fileName = fileName;
    return true;
}

bool ParameterFile::Read(const std::string& fileName) {
    if (!fileName.empty()) {
        const auto opened = m_ini.Open(fileName, false);
        if (!opened) {
            ShowMessage(cIniFile::OpenFailureText(fileName, opened.Failure()), MsgIcon::Critical);
            return false;
        }
        if (*opened == cIniFile::Opened::Existed)
            return Load(fileName);
    }
    ShowMessage(TrArgs(Tr("ParameterFile", "Datei '%1' ist nicht vorhanden"), {fileName}),
                MsgIcon::Information);
    return false;
}

/// A file that cannot be read, or is no parameter file at all, is refused with one message
/// before anything in the model changes.
bool ParameterFile::Load(const std::string& fileName) {
    if (const FileResult<> loaded = m_ini.Reload(); !loaded) {
        ShowMessage(cIniFile::OpenFailureText(fileName, loaded.Failure()), MsgIcon::Critical);
        return false;
    }
    if (!HasGroupSection()) {
        ShowMessage(TrArgs(Tr("ParameterFile", "Die Datei '%1' ist keine Parameterdatei: sie "
                                               "enthält keinen der Abschnitte %2."),
                           {fileName, GroupSectionList()}),
                    MsgIcon::Critical);
        return false;
    }
    const Configuration::Batch batch(m_config, Configuration::Batch::Checks::Off);
    bool loaded = true;
    try {
        LoadValues();
        m_fileName = fileName;
    } catch (const std::exception& error) {
        ShowMessage(TrArgs(Tr("ParameterFile", "Fehler beim Öffnen der Datei '%1'.\r\n%2"),
                           {fileName, error.what()}),
                    MsgIcon::Critical);
        loaded = false;
    }
    // The factors and limits must follow the loaded decimal places and scaling before anything
    // is coded for the device.
    LimitRules::UpdateLimitsKeepingValues(m_config);
    return loaded;
}

bool ParameterFile::HasGroupSection() const {
    for (const cDataGroup& group : m_config.Data())
        if (m_ini.HasSection(group.GroupName()))
            return true;
    return false;
}

std::string ParameterFile::GroupSectionList() const {
    std::string list;
    for (const cDataGroup& group : m_config.Data())
        list += (list.empty() ? "[" : ", [") + group.GroupName() + "]";
    return list;
}

void ParameterFile::LoadValues() {
    m_config.ForEachParameter([this](cDataGroup& group, cParameter& parameter) {
        const std::string text = m_ini.getKey(group.GroupName(), parameter.ParName());
        // Files from systems with the other decimal separator read as well; the parameter
        // refuses anything else with its own message.
        if (auto number = FileTextToNumber(text); number && ToSingle(*number))
            parameter.setValue(*number);
        else
            parameter.setValue(text);
    });
    for (int line = 0; line < kDescriptionCount; ++line)
        m_config.SetDescription(
            line, m_ini.getKey(kDescriptionSection, Configuration::DescriptionKey(line)));
}
