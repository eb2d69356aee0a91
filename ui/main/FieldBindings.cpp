#include "ui/main/FieldBindings.h"

#include "app/cNivolantis.h"

#include <stdexcept>

namespace {

std::string Letter(int i) { return std::string(1, static_cast<char>('A' + i)); }

std::vector<TextBinding> BuildTextBindings() {
    using F = DisplayForm;
    std::vector<TextBinding> table{
        {"txtInBegin", "Eingang/Messbereich.Anfang", F::TwoDecimals},
        {"txtInEnd", "Eingang/Messbereich.Ende", F::TwoDecimals},
        {"txtStörungBegin", "Eingang/Sondenstörung.Anfang", F::TwoDecimals},
        {"txtStörungEnd", "Eingang/Sondenstörung.Ende", F::TwoDecimals},
        {"txtSBegin", "Eingang/Skalierung.Anfang", F::Scale},
        {"txtSEnd", "Eingang/Skalierung.Ende", F::Scale},
        {"txtFilter", "Eingang/Filter", F::Plain},
        {"txtOutBegin", "Ausgang/Stellbereich.Anfang", F::Output},
        {"txtOutEnd", "Ausgang/Stellbereich.Ende", F::Output},
        {"txtOutOnError", "Ausgang/Fehlerwert", F::Output},
    };
    for (int i = 0; i < 4; ++i) {
        table.push_back({"txtLL_" + std::to_string(i), "Grenzwerte/Unterer Grenzwert " + Letter(i), F::Scale});
        table.push_back({"txtUL_" + std::to_string(i), "Grenzwerte/Oberer Grenzwert " + Letter(i), F::Scale});
        table.push_back({"txtDelay_" + std::to_string(i), "Grenzwerte/Verzögerung " + Letter(i), F::Plain});
    }
    table.insert(table.end(), {
        {"txtStützpunkte", "Linearisierung/Stützpunkte", F::Plain},
        {"txtPWNew", "Sonstiges/Passwort", F::Plain},
        {"txtTrendIntervall", "Sonstiges/Trendintervall", F::Plain},
        {"txtTrendDeltaRise", "Sonstiges/TrendSteigend", F::Scale},
        {"txtTrendDeltaFall", "Sonstiges/TrendFallend", F::Scale},
        {"txtSimBegin", "Sonstiges/Simulationsbereich.Anfang", F::Scale},
        {"txtSimEnd", "Sonstiges/Simulationsbereich.Ende", F::Scale},
        {"txtSimStep", "Sonstiges/Simulationsschrittweite", F::Scale},
        {"txtSimTimeStep", "Sonstiges/Simulationszeitraster", F::Plain},
    });
    for (int n = 0; n < 4; ++n)
        table.push_back({"txtDescription_" + std::to_string(n),
                         std::string(kDescriptionSection) + "/Zeile" + std::to_string(n + 1), F::Text});
    const std::string plant = std::string(kDescriptionSection) + "/Anlagenkennzeichen";
    table.push_back({"txtDescription_4", plant, F::Text});
    table.push_back({"txtAnlagenkennzeichen", plant, F::Text});
    table.push_back({"txtBenutzername", std::string(kUserSection) + "/Benutzername", F::Text});
    table.push_back({"txtParametrierdatum", std::string(kUserSection) + "/Parametrierdatum", F::Text});
    return table;
}

std::vector<ChoiceBinding> BuildChoiceBindings() {
    std::vector<ChoiceBinding> table{
        {"cmbSUnit", "Eingang/Skaleneinheit"},
        {"cmbSComma", "Eingang/Skalenkomma"},
    };
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i), L = Letter(i);
        table.push_back({"cmbLimitFunction_" + n, "Grenzwerte/Grenzwertfunktion " + L});
        table.push_back({"cmbPumpSwap_" + n, "Grenzwerte/Pumpentausch " + L});
        table.push_back({"cmbOnError_" + n, "Grenzwerte/BeiFehler " + L});
        table.push_back({"cmbRelayFunction_" + n, "Grenzwerte/Relaisfunktion " + L});
    }
    table.push_back({"cmbSimModus", "Sonstiges/Simulationsmodus"});
    table.push_back({"chkPWAktiv", "Sonstiges/PasswortAktiv"});
    table.push_back({"optLinart", "Linearisierung/Modus"});
    return table;
}

struct Place {
    cDataGroup* group;
    std::string name;
};

Place Split(const cNivolantis& app, const std::string& path) {
    const auto slash = path.find('/');
    if (slash == std::string::npos)
        throw std::out_of_range("kein Parameter: " + path);
    return {&app.Data(path.substr(0, slash)), path.substr(slash + 1)};
}

/// The range whose begin or end carries the name, or nullptr.
cRange* RangeOf(const cDataGroup& group, const std::string& name, bool& isBegin) {
    for (cRange& range : group.Ranges()) {
        if (range.RangeBegin().ParName() == name || range.RangeEnd().ParName() == name) {
            isBegin = range.RangeBegin().ParName() == name;
            return &range;
        }
    }
    return nullptr;
}

} // namespace

const std::vector<TextBinding>& TextBindings() {
    static const std::vector<TextBinding> table = BuildTextBindings();
    return table;
}

const std::vector<ChoiceBinding>& ChoiceBindings() {
    static const std::vector<ChoiceBinding> table = BuildChoiceBindings();
    return table;
}

int DescriptionLineAt(const std::string& path) {
    const std::string prefix = std::string(kDescriptionSection) + "/";
    if (path.rfind(prefix, 0) != 0)
        return -1;
    const std::string name = path.substr(prefix.size());
    if (name == "Anlagenkennzeichen")
        return 4;
    for (int line = 1; line <= 4; ++line)
        if (name == "Zeile" + std::to_string(line))
            return line - 1;
    return -1;
}

cParameter* ParameterAt(const cNivolantis& app, const std::string& path) {
    if (DescriptionLineAt(path) >= 0 || path.rfind(std::string(kUserSection) + "/", 0) == 0)
        return nullptr;
    const Place place = Split(app, path);
    bool isBegin = false;
    if (cRange* range = RangeOf(*place.group, place.name, isBegin))
        return isBegin ? &range->RangeBegin() : &range->RangeEnd();
    return &place.group->Parameters(place.name);
}

void AssignField(cNivolantis& app, const std::string& path, const std::string& text) {
    if (const int line = DescriptionLineAt(path); line >= 0) {
        app.SetDescription(line, text);
        return;
    }
    const Place place = Split(app, path);
    const bool input = place.group->GroupName() == "Eingang";
    bool isBegin = false;
    if (cRange* range = RangeOf(*place.group, place.name, isBegin)) {
        isBegin ? range->SetRangeBegin(text) : range->SetRangeEnd(text);
        if (input && (range->RangeName() == "Messbereich" || range->RangeName() == "Skalierung"))
            app.UpdateLimits();
        return;
    }
    place.group->Parameters(place.name).setValue(text);
    if (input && place.name == "Skalenkomma")
        app.UpdateLimits();
}
