#include "model/Catalogue.h"

#include "model/CatalogueNames.h"
#include "model/Configuration.h"

#include <initializer_list>
#include <string>

namespace {

using namespace Catalogue;

constexpr double kScaleFactor = 10000; ///< four decimal places until the limit update runs

void AddTexts(cParameter& parameter, std::initializer_list<const char*> texts) {
    int key = 0;
    for (const char* text : texts)
        parameter.AddDescription(text, std::to_string(key++));
}

std::unique_ptr<cDataGroup> NewGroup(const std::string& name) {
    auto group = std::make_unique<cDataGroup>();
    group->setGroupName(name);
    return group;
}

void CreateEingang(Configuration& config, const std::vector<std::string>& units) {
    auto group = NewGroup(kInputGroup);
    group->AddRange(kMeasuringRange, true, {20, 0, 4, 178, 2, 1000}, {20, 0, 20, 180, 2, 1000})
        .setUnit("mA");
    group
        ->AddRange(TrNoop("Catalogue", "Sondenstörung"), false, {22, 0, 2, 183, 2, 1000},
                   {22, 0, 22, 185, 2, 1000})
        .setUnit("mA");
    group
        ->AddRange(kScaling, true, {9.9999, -9.9999, 0, 187, 4, kScaleFactor},
                   {9.9999, -9.9999, 1, 191, 4, kScaleFactor})
        .setUnit("bar");
    cParameter& unit =
        group->AddParameter(kScaleUnit, static_cast<double>(units.size()), 0, 0, 195, 1, 1);
    for (std::size_t i = 0; i < units.size(); ++i)
        unit.AddDescription(units[i], std::to_string(i));
    AddTexts(group->AddParameter(kDecimalPlaces, 4, 0, 4, 196, 1, 1),
             {"00000", "0000.0", "000.00", "00.000", "0.0000"});
    group->AddParameter(TrNoop("Catalogue", "Filter"), 255, 0, 2, 182, 1, 1);
    config.AddGroup(std::move(group));
}

void CreateAusgang(Configuration& config) {
    auto group = NewGroup(kOutputGroup);
    group
        ->AddRange(TrNoop("Catalogue", "Stellbereich"), true, {20, 0, 4, 198, 2, 1000},
                   {20, 0, 20, 200, 2, 1000})
        .setUnit("mA");
    group->AddParameter(TrNoop("Catalogue", "Fehlerwert"), 21, 0, 0, 202, 2, 1000).setUnit("mA");
    config.AddGroup(std::move(group));
}

void CreateGrenzwerte(Configuration& config) {
    auto group = NewGroup(kLimitsGroup);
    for (int k = 0; k < Catalogue::kRelayCount; ++k) {
        const std::string c = Catalogue::RelayLetter(k);
        const int slot = 14 * k; ///< each channel has a 14-byte slot from address 204
        AddTexts(group->AddParameter(PumpSwapName(k), 1, 0, 0, 204 + slot, 1, 1),
                 {TrNoop("Choice", "Nein"), TrNoop("Choice", "Ja")});
        AddTexts(group->AddParameter(LimitFunctionName(k), 4, 0, 1, 205 + slot, 1, 1),
                 {TrNoop("Choice", "Keine Bearbeitung"), TrNoop("Choice", "Grenzwert"),
                  TrNoop("Choice", "Pumpentausch*"), TrNoop("Choice", "Trend steigend"),
                  TrNoop("Choice", "Trend fallend")});
        AddTexts(group->AddParameter(TrArgs(TrNoop("Catalogue", "Relaisfunktion %1"), {c}), 1, 0, 0,
                                     206 + slot, 1, 1),
                 {TrNoop("Choice", "Arbeitsstrom"), TrNoop("Choice", "Ruhestrom")});
        // The lower limit value sits four bytes above the upper one.
        cRange& limits =
            group->AddRange(LimitRangeName(k), false, {1, 0, 0.1, 211.0 + slot, 4, kScaleFactor},
                            {1, 0, 0.9, 207.0 + slot, 4, kScaleFactor});
        limits.RangeBegin().setParName(TrArgs(TrNoop("Catalogue", "Unterer Grenzwert %1"), {c}));
        limits.RangeEnd().setParName(TrArgs(TrNoop("Catalogue", "Oberer Grenzwert %1"), {c}));
        limits.setUnit("bar");
        group
            ->AddParameter(TrArgs(TrNoop("Catalogue", "Verzögerung %1"), {c}), 255, 0, 0,
                           215 + slot, 1, 1)
            .setUnit("s");
        AddTexts(group->AddParameter(TrArgs(TrNoop("Catalogue", "BeiFehler %1"), {c}), 1, 0, 0,
                                     216 + slot, 1, 1),
                 {TrNoop("Choice", "Relais aus"), TrNoop("Choice", "Relais ein")});
    }
    config.AddGroup(std::move(group));
}

void CreateLinearisierung(Configuration& config) {
    auto group = NewGroup(kLinearisationGroup);
    AddTexts(group->AddParameter(kLinearisationMode, 3, 0, 0, 197, 1, 1),
             {TrNoop("Choice", "Keine Linearisierung"), TrNoop("Choice", "Tabelle"),
              TrNoop("Choice", "Venturi"), TrNoop("Choice", "Rundtank")});
    group->AddParameter(kSupportPoints, Catalogue::kPointCount, 3, Catalogue::kPointCount, 31, 1,
                        1);
    for (int n = 1; n <= Catalogue::kPointCount; ++n) {
        const cRange& input = config.Data(kInputGroup).Ranges(kMeasuringRange);
        const cRange& scale = config.Data(kInputGroup).Ranges(kScaling);
        const double xb = input.GetRangeBegin(), xe = input.GetRangeEnd();
        const double yb = scale.GetRangeBegin(), ye = scale.GetRangeEnd();
        const double step = (n - 1) / double(Catalogue::kPointCount - 1);
        const double adress = 32 + 6 * (n - 1); ///< six bytes per point from address 32
        group->AddParameter(PointName('X', n), xe, xb, xb + (xe - xb) * step, adress, 2, 1000)
            .setUnit("mA");
        group
            ->AddParameter(PointName('Y', n), ye, yb, yb + (ye - yb) * step, adress + 2, 4,
                           kScaleFactor)
            .setUnit("bar");
    }
    config.AddGroup(std::move(group));
}

void CreateSonstiges(Configuration& config) {
    auto group = NewGroup(kMiscGroup);
    const cRange& scale = config.Data(kInputGroup).Ranges(kScaling);
    const double b = scale.GetRangeBegin(), e = scale.GetRangeEnd();
    group->AddParameter(TrNoop("Catalogue", "Passwort"), 99999, 0, 27460, 15, 5, 1);
    AddTexts(group->AddParameter(TrNoop("Catalogue", "PasswortAktiv"), 1, 0, 0, 176, 1, 1),
             {TrNoop("Choice", "Passwortabfrage nicht aktivieren"),
              TrNoop("Choice", "Passwortabfrage aktivieren")});
    group->AddParameter(TrNoop("Catalogue", "Trendintervall"), 65535, 0, 60, 260, 2, 1)
        .setUnit("s");
    group->AddParameter(kTrendRising, e, b, (e - b) / 10, 262, 4, kScaleFactor).setUnit("bar");
    group->AddParameter(kTrendFalling, e, b, (e - b) / 10, 266, 4, kScaleFactor).setUnit("bar");
    group
        ->AddRange(kSimulationRange, true, {e, b, b, 271, 4, kScaleFactor},
                   {e, b, e, 275, 4, kScaleFactor})
        .setUnit("bar");
    group->AddParameter(kSimulationStep, e - b, -(e - b), (e - b) / 100, 279, 4, kScaleFactor)
        .setUnit("bar");
    group->AddParameter(TrNoop("Catalogue", "Simulationszeitraster"), 255, 1, 1, 283, 1, 1)
        .setUnit("s");
    AddTexts(group->AddParameter(TrNoop("Catalogue", "Simulationsmodus"), 2, 0, 0, 270, 1, 1),
             {TrNoop("Choice", "Aus"), TrNoop("Choice", "Ein"), TrNoop("Choice", "Ständig ein")});
    config.AddGroup(std::move(group));
}

} // namespace

std::string Catalogue::RelayLetter(int k) {
    return std::string(1, static_cast<char>('A' + k));
}

std::string Catalogue::LimitRangeName(int k) {
    return TrArgs(TrNoop("Catalogue", "Grenzwert%1"), {std::to_string(k + 1)});
}

std::string Catalogue::LimitFunctionName(int k) {
    return TrArgs(TrNoop("Catalogue", "Grenzwertfunktion %1"), {RelayLetter(k)});
}

std::string Catalogue::PumpSwapName(int k) {
    return TrArgs(TrNoop("Catalogue", "Pumpentausch %1"), {RelayLetter(k)});
}

std::string Catalogue::PointName(char axis, int n) {
    return axis + std::to_string(n);
}

void Catalogue::Create(Configuration& config, const std::vector<std::string>& units) {
    CreateEingang(config, units);
    CreateAusgang(config);
    CreateGrenzwerte(config);
    CreateLinearisierung(config);
    CreateSonstiges(config);
}
