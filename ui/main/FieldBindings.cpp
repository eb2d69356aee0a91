#include "ui/main/FieldBindings.h"

#include "app/cNivolantis.h"
#include "model/Catalogue.h"
#include "model/CatalogueNames.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

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
        table.push_back({"txtLL_" + std::to_string(i),
                         "Grenzwerte/Unterer Grenzwert " + Catalogue::RelayLetter(i), F::Scale});
        table.push_back({"txtUL_" + std::to_string(i),
                         "Grenzwerte/Oberer Grenzwert " + Catalogue::RelayLetter(i), F::Scale});
        table.push_back({"txtDelay_" + std::to_string(i),
                         "Grenzwerte/Verzögerung " + Catalogue::RelayLetter(i), F::Plain});
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
                         std::string(kDescriptionSection) + "/" + Configuration::DescriptionKey(n),
                         F::Text});
    const std::string plant = std::string(kDescriptionSection) + "/" + Catalogue::kPlantKey;
    table.push_back({"txtDescription_4", plant, F::Text});
    table.push_back({"txtAnlagenkennzeichen", plant, F::Text});
    table.push_back({"txtBenutzername", std::string(kUserSection) + "/Benutzername", F::Text});
    table.push_back(
        {"txtParametrierdatum", std::string(kUserSection) + "/Parametrierdatum", F::Text});
    return table;
}

std::vector<ChoiceBinding> BuildChoiceBindings() {
    std::vector<ChoiceBinding> table{
        {"cmbSUnit", "Eingang/Skaleneinheit"},
        {"cmbSComma", "Eingang/Skalenkomma"},
    };
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i), L = Catalogue::RelayLetter(i);
        table.push_back({"cmbLimitFunction_" + n, std::string(Catalogue::kLimitsGroup) + "/" +
                                                      Catalogue::LimitFunctionName(i)});
        table.push_back({"cmbPumpSwap_" + n,
                         std::string(Catalogue::kLimitsGroup) + "/" + Catalogue::PumpSwapName(i)});
        table.push_back({"cmbOnError_" + n, "Grenzwerte/BeiFehler " + L});
        table.push_back({"cmbRelayFunction_" + n, "Grenzwerte/Relaisfunktion " + L});
    }
    table.push_back({"cmbSimModus", "Sonstiges/Simulationsmodus"});
    table.push_back({"chkPWAktiv", "Sonstiges/PasswortAktiv"});
    table.push_back({"optLinart", "Linearisierung/Modus"});
    return table;
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

std::string ScalePattern(double places) {
    const double held = std::clamp(std::nearbyint(places), 0.0, 4.0);
    const std::size_t whole = held >= 0 ? static_cast<std::size_t>(held) : 0; // NaN: none
    const std::string integer(5 - whole, '0');
    return whole == 0 ? integer : integer + "." + std::string(whole, '0');
}

double DecimalPlaces(const cNivolantis& app) {
    return app.Data(Catalogue::kInputGroup).Parameters(Catalogue::kDecimalPlaces).Value();
}

cParameter* ParameterAt(const cNivolantis& app, const std::string& path) {
    if (path.rfind(std::string(kUserSection) + "/", 0) == 0)
        return nullptr;
    return app.Config().ParameterAt(path);
}
