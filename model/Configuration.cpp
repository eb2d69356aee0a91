#include "model/Configuration.h"

#include "base/NumberText.h"
#include "base/Platform.h"
#include "model/Catalogue.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"
#include "model/LimitRules.h"

#include <optional>
#include <stdexcept>

namespace {

std::optional<int> DescriptionLine(const std::string& name) {
    for (int line = 0; line < Configuration::kDescriptionCount; ++line)
        if (name == Configuration::DescriptionKey(line))
            return line;
    return std::nullopt;
}

/// One box for all findings of the whole-model check: a broken file must not be answered with
/// one box per value. Its title and closing line fit what it lists: the request to correct a
/// begin or an end follows the reversed ranges, which come first, and nothing else.
void ShowCheckFindings(const std::vector<std::string>& values, std::vector<std::string> ranges) {
    if (ranges.empty()) {
        ShowFindings(values, "", MsgIcon::Information, Tr("cParameter", "Eingabefehler"));
        return;
    }
    const std::string request = Tr("cRange", cRange::kOrderRequest);
    if (values.empty()) {
        ShowFindings(ranges, request, MsgIcon::Critical, Tr("cRange", cRange::kRangeErrorTitle));
        return;
    }
    ranges.push_back(request);
    ranges.insert(ranges.end(), values.begin(), values.end());
    ShowFindings(ranges, "", MsgIcon::Critical, Tr("Configuration", "Eingabe- und Bereichsfehler"));
}

} // namespace

/// What a "GROUP/NAME" path names: a range end, a plain parameter or a description line.
struct Configuration::Field {
    cRange* range = nullptr;
    bool rangeBegin = false;
    cParameter* parameter = nullptr;
    int descriptionLine = -1;
    bool inInput = false; ///< in group "Eingang", where the scaling rules live
};

Configuration::Configuration(const std::vector<std::string>& units)
    : m_maxUnits(static_cast<std::int16_t>(units.size())) {
    Catalogue::Create(*this, units);
    SetDefaults();
    ForEachParameter([this](cDataGroup&, cParameter& p) { m_totalByteCount += p.Size(); });
    m_parametrierdatum = Platform::Clocks().Now();
    m_enableNotify = true;
}

void Configuration::AddGroup(std::unique_ptr<cDataGroup> group) {
    const std::string name = group->GroupName();
    group->setOwner(this);
    m_data.Add(name, std::move(group));
}

void Configuration::setEnableTestData(bool enable) {
    for (cDataGroup& group : m_data)
        group.setEnableTestData(enable);
}

void Configuration::Notify() {
    ++m_changes;
    if (m_enableNotify)
        NotifyOwner(m_owner);
}

Configuration::Batch::Batch(Configuration& config, Checks checks)
    : m_config(config), m_notify(config.m_enableNotify),
      // The groups' own switches stay off until set for all; every parameter holds its own.
      m_testing(config.Data(Catalogue::kInputGroup)
                    .Parameters(Catalogue::kDecimalPlaces)
                    .EnableTestData()) {
    if (m_config.m_batches++ == 0)
        m_config.m_batchStart = m_config.m_changes;
    m_config.m_enableNotify = false;
    if (checks == Checks::Off)
        m_config.setEnableTestData(false);
}

Configuration::Batch::~Batch() {
    m_config.setEnableTestData(m_testing);
    m_config.m_enableNotify = m_notify;
    if (--m_config.m_batches == 0 && m_config.m_changes != m_config.m_batchStart)
        m_config.Notify(); // NotifyOwner lets nothing escape
}

bool Configuration::TestData() {
    setEnableTestData(true);
    std::vector<std::string> values;
    std::vector<std::string> ranges;
    const auto note = [](std::vector<std::string>& findings, std::string finding) {
        if (!finding.empty())
            findings.push_back(std::move(finding));
    };
    for (cDataGroup& group : m_data) {
        for (cRange& range : group.Ranges()) {
            note(values, range.RangeBegin().ValueFinding());
            note(values, range.RangeEnd().ValueFinding());
            note(ranges, range.OrderFinding());
        }
        for (cParameter& parameter : group.Parameters())
            note(values, parameter.ValueFinding());
    }
    if (values.empty() && ranges.empty())
        return false;
    ShowCheckFindings(values, std::move(ranges));
    return true;
}

std::vector<std::string> Configuration::ParametersOutsideLimits() const {
    std::vector<std::string> names;
    ForEachParameter([&names](cDataGroup&, cParameter& parameter) {
        if (parameter.OutsideLimits())
            names.push_back(parameter.ParName());
    });
    return names;
}

void Configuration::SetDescription(int index, const std::string& text) {
    if (index >= 0 && index < kDescriptionCount)
        m_descriptions[index] = text;
    Notify();
}

std::string Configuration::GetDescription(int index) const {
    return index >= 0 && index < kDescriptionCount ? m_descriptions[index] : "";
}

void Configuration::setBenutzername(const std::string& name) {
    if (!name.empty())
        m_benutzername = name;
    Notify();
}

void Configuration::setParametrierdatum(const DateTime& date) {
    if (date.IsValid())
        m_parametrierdatum = date;
    Notify();
}

void Configuration::setParametrierdatum(const std::string& text) {
    if (auto date = Platform::Regional().ParseDateTime(text))
        m_parametrierdatum = *date;
    Notify();
}

std::string Configuration::ParametrierdatumText() const {
    return Platform::Regional().FormatDateTime(m_parametrierdatum);
}

void Configuration::setHardwareVariante(std::uint8_t variant) {
    const Batch batch(*this);
    LimitRules::ApplyVariant(*this, variant);
    m_hardwareVariante = variant;
    Notify();
}

Configuration::State Configuration::CurrentState() const {
    State state{{}, m_descriptions, m_benutzername, m_parametrierdatum};
    ForEachParameter([&state](cDataGroup&, cParameter& p) { state.values.push_back(p.Value()); });
    return state;
}

void Configuration::Restore(const State& state) {
    const Batch batch(*this, Batch::Checks::Off);
    auto value = state.values.begin();
    ForEachParameter([&](cDataGroup&, cParameter& p) {
        if (value != state.values.end())
            p.setValue(*value++);
    });
    LimitRules::UpdateLimitsKeepingValues(*this);
    m_descriptions = state.descriptions;
    m_benutzername = state.benutzername;
    m_parametrierdatum = state.parametrierdatum;
    Notify();
}

void Configuration::SetDefaults() {
    const Batch batch(*this);
    ForEachParameter([](cDataGroup&, cParameter& p) { p.SetDefault(); });
    UpdateLimits();
    for (int line = 0; line < kDescriptionLines; ++line)
        m_descriptions[line] = "Beschreibung" + std::to_string(line + 1);
    m_descriptions[kDescriptionLines] = "Messung1";
    Notify();
}

void Configuration::UpdateLimits() {
    LimitRules::UpdateLimits(*this);
}

Configuration::Field Configuration::Resolve(const std::string& path) const {
    const auto slash = path.find('/');
    const std::string group = path.substr(0, slash);
    const std::string name = slash == std::string::npos ? "" : path.substr(slash + 1);
    Field field;
    field.inInput = group == Catalogue::kInputGroup;
    if (group == Catalogue::kDescriptionSection) {
        if (auto line = DescriptionLine(name)) {
            field.descriptionLine = *line;
            return field;
        }
    } else if (cDataGroup* data = m_data.Find(group)) {
        for (cRange& range : data->Ranges())
            if (range.RangeBegin().ParName() == name || range.RangeEnd().ParName() == name) {
                field.range = &range;
                field.rangeBegin = range.RangeBegin().ParName() == name;
                field.parameter = field.rangeBegin ? &range.RangeBegin() : &range.RangeEnd();
                return field;
            }
        if ((field.parameter = data->Parameters().Find(name)))
            return field;
    }
    throw std::out_of_range(TrArgs(Tr("Configuration", "unbekannter Parameter '%1'"), {path}));
}

Configuration::Assigned Configuration::Assign(const std::string& path, const std::string& text) {
    const unsigned long changes = m_changes;
    if (!Apply(Resolve(path), text))
        return Assigned::Refused;
    return m_changes == changes ? Assigned::Unchanged : Assigned::Changed;
}

bool Configuration::Apply(const Field& field, const std::string& text) {
    if (field.descriptionLine >= 0) {
        SetDescription(field.descriptionLine, text);
        return true;
    }
    bool taken;
    bool scaling;
    if (field.range) {
        taken =
            field.rangeBegin ? field.range->SetRangeBegin(text) : field.range->SetRangeEnd(text);
        const std::string& name = field.range->RangeName();
        scaling = name == Catalogue::kMeasuringRange || name == Catalogue::kScaling;
    } else {
        if (field.inInput && field.parameter->ParName() == Catalogue::kScaleUnit)
            return AssignUnit(*field.parameter, text);
        taken = field.parameter->setValue(text);
        scaling = field.parameter->ParName() == Catalogue::kDecimalPlaces;
    }
    if (field.inInput && scaling)
        UpdateLimits(); // the new limits may have cut other values: show them, not the old ones
    return taken;
}

bool Configuration::AssignUnit(cParameter& unitIndex, const std::string& text) {
    const Batch batch(*this); // the views hear of the index and the units together
    const bool taken = unitIndex.setValue(text);
    LimitRules::FollowUnit(*this);
    return taken;
}

std::string Configuration::Show(const std::string& path) const {
    const Field field = Resolve(path);
    if (field.descriptionLine >= 0)
        return GetDescription(field.descriptionLine);
    return NumberToText(field.parameter->Value());
}

cParameter* Configuration::ParameterAt(const std::string& path) const {
    return Resolve(path).parameter;
}

int Configuration::DescriptionLineAt(const std::string& path) {
    const std::string prefix = std::string(Catalogue::kDescriptionSection) + "/";
    if (path.rfind(prefix, 0) != 0)
        return -1;
    return DescriptionLine(path.substr(prefix.size())).value_or(-1);
}

std::string Configuration::DescriptionKey(int line) {
    // The key stays German in every language; CatalogueText::Caption shows it translated.
    return line < kDescriptionLines
               ? TrArgs(TrNoop("Catalogue", "Zeile%1"), {std::to_string(line + 1)})
               : Catalogue::kPlantKey;
}
