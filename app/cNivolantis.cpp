#include "app/cNivolantis.h"

#include "base/IntegerConversion.h"
#include "base/NumberText.h"
#include "base/Platform.h"
#include "device/DeviceTransfer.h"
#include "files/ParameterFile.h"
#include "model/Catalogue.h"
#include "model/LimitRules.h"
#include "report/ConfigurationReport.h"

#include <stdexcept>

namespace {
constexpr int kMaxUnitCount = 1000; ///< more units than any list shows: a broken settings file
}

cNivolantis::cNivolantis(const std::string& settingsFile) {
    ReadSettings(settingsFile);
    CreateData();
    m_enableNotify = true;
}

cNivolantis::~cNivolantis() = default;

std::string cNivolantis::DefaultSettingsFile() {
    return Platform::Program().PathInFolder("NivoConfig.ini");
}

void cNivolantis::ReadSettings(const std::string& settingsFile) {
    if (!m_iniFile.OpenIni(settingsFile, false))
        throw std::runtime_error("Die Einstellungsdatei '" + settingsFile +
                                 "' ist nicht vorhanden.");
    const std::string count = m_iniFile.getKey("Einheiten", "Anzahl");
    auto number = TextToNumber(count);
    if (!number || *number < 0 || *number > kMaxUnitCount)
        throw std::runtime_error("Die Einstellungsdatei '" + settingsFile +
                                 "' enthält keine gültige Anzahl der Einheiten ('" + count +
                                 "').");
    m_maxUnits = ToInt16(*number);
    m_firmwareID = m_iniFile.getKey("ID", "Firmware");
    for (std::int16_t port = 1; port <= m_serCom.PortCount(); ++port)
        m_serCom.setPortPath(port, m_iniFile.getKey("Schnittstellen", "COM" + std::to_string(port)));
}

void cNivolantis::CreateData() {
    Catalogue::Create(*this);
    SetDefaults();
    m_totalByteCount = 0;
    ForEachParameter([this](cDataGroup&, cParameter& p) { m_totalByteCount += p.Size(); });
    m_fileName.clear();
    m_hardwareVariante = 7;
    m_benutzername = "Benutzername";
    m_parametrierdatum = Platform::Clocks().Now();
}

void cNivolantis::AddGroup(std::unique_ptr<cDataGroup> group) {
    const std::string name = group->GroupName();
    m_data.Add(name, std::move(group));
}

void cNivolantis::setEnableTestData(bool enable) {
    for (cDataGroup& group : m_data)
        group.setEnableTestData(enable);
}

void cNivolantis::Notify() {
    if (!m_enableNotify)
        return;
    for (View* view : m_views) {
        try {
            view->Update();
        } catch (...) {
            // One failing view must not keep the others stale.
        }
    }
}

void cNivolantis::NotifyProgress(int percent) {
    for (View* view : m_views) {
        auto* progress = dynamic_cast<ProgressView*>(view);
        if (!progress)
            continue;
        try {
            progress->UpdateProgress(percent);
        } catch (...) {
            // As for Update.
        }
    }
}

bool cNivolantis::TestData() {
    setEnableTestData(true);
    bool failed = false;
    for (cDataGroup& group : m_data)
        for (cRange& range : group.Ranges())
            failed = range.TestData() || failed;
    return failed;
}

void cNivolantis::SetDescription(int index, const std::string& text) {
    if (index >= 0 && index < kDescriptionCount)
        m_descriptions[index] = text;
    Notify();
}

std::string cNivolantis::GetDescription(int index) const {
    return index >= 0 && index < kDescriptionCount ? m_descriptions[index] : "";
}

void cNivolantis::setBenutzername(const std::string& name) {
    if (!name.empty())
        m_benutzername = name;
    Notify();
}

void cNivolantis::setParametrierdatum(const DateTime& date) {
    if (date.IsValid())
        m_parametrierdatum = date;
    Notify();
}

void cNivolantis::setParametrierdatum(const std::string& text) {
    if (auto date = Platform::Regional().ParseDateTime(text))
        m_parametrierdatum = *date;
    Notify();
}

std::string cNivolantis::ParametrierdatumText() const {
    return Platform::Regional().FormatDateTime(m_parametrierdatum);
}

void cNivolantis::setHardwareVariante(std::uint8_t variant) {
    m_enableNotify = false;
    LimitRules::ApplyVariant(*this, variant);
    m_hardwareVariante = variant;
    m_enableNotify = true;
    Notify();
}

void cNivolantis::SetDefaults() {
    ForEachParameter([](cDataGroup&, cParameter& p) { p.SetDefault(); });
    UpdateLimits();
    for (int line = 0; line < 4; ++line)
        m_descriptions[line] = "Beschreibung" + std::to_string(line + 1);
    m_descriptions[4] = "Messung1";
    Notify();
}

void cNivolantis::UpdateLimits() { LimitRules::UpdateLimits(*this); }

std::int16_t cNivolantis::Connect() { return DeviceTransfer(*this).Connect(); }
bool cNivolantis::Download() { return DeviceTransfer(*this).Download(); }
bool cNivolantis::Upload() { return DeviceTransfer(*this).Upload(); }

bool cNivolantis::WriteIni(const std::string& NewFileName) {
    return ParameterFile(*this).Write(NewFileName);
}

bool cNivolantis::ReadIni(const std::string& NewFileName) {
    return ParameterFile(*this).Read(NewFileName);
}

bool cNivolantis::PrintAll() { return ConfigurationReport(*this).Print(Platform::Printing()); }
