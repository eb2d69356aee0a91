#include "cli/MeasureCommand.h"

#include "app/cNivolantis.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "commandline/ProgramCli.h"
#include "device/Measurement.h"
#include "device/cSerCom.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void Stop(int) {
    g_stop = 1;
}

/// The scaled value shows in the device's own decimal places and unit, so they are read from
/// its EEPROM first.
bool ReadScaling(cNivolantis& app) {
    cDataGroup& input = app.Data(Catalogue::kInputGroup);
    for (const char* name : {Catalogue::kDecimalPlaces, Catalogue::kScaleUnit}) {
        cParameter& parameter = input.Parameters(name);
        const std::optional<std::uint8_t> byte = app.ReadEepromByte(parameter.Adress());
        if (!byte)
            return false;
        parameter.setValue(*byte);
    }
    app.UpdateLimits();
    return true;
}

/// One line "12 mA  123,45 m  2048 A/D"; false when a value did not arrive.
bool PrintValues(cNivolantis& app, const std::string& unit) {
    const Measurement values = app.Measure();
    const auto texts = values.Texts();
    std::cout << texts[0] << " mA  " << texts[1] << ' ' << unit << "  " << texts[2] << " A/D"
              << std::endl;
    return values.Complete();
}

/// Waits up to `seconds`, ending early when the user stops the command.
void Pause(double seconds) {
    for (int ms = static_cast<int>(seconds * 1000); ms > 0 && !g_stop; ms -= 100)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 100)));
}

void Measure(CliContext& context) {
    if (!context.ConnectDevice())
        return;
    cNivolantis& app = context.App();
    if (!ReadScaling(app)) {
        std::cerr << Tr("MeasureCommand", "Skalierung des Gerätes konnte nicht gelesen werden.")
                  << '\n';
        context.Fail();
        return;
    }
    const cParameter& unit = app.Data(Catalogue::kInputGroup).Parameters(Catalogue::kScaleUnit);
    const std::string unitText =
        CatalogueText::Choice(unit.Description(std::to_string(static_cast<int>(unit.Value()))));
    std::signal(SIGINT, Stop);
    std::signal(SIGTERM, Stop);
    bool complete;
    do {
        complete = PrintValues(app, unitText);
        Pause(context.args.every);
    } while (context.args.every > 0 && !g_stop);
    if (!complete)
        context.Fail();
    app.ClosePort();
}

} // namespace

void AddMeasureCommand(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "measure",
        Tr("MeasureCommand", "Messwerte des Gerätes lesen: Ausgangsstrom, Messwert und A/D-Wert"));
    command
        ->add_option("--every", context.args.every,
                     Tr("MeasureCommand", "Alle SEKUNDEN wiederholen, bis Strg+C"))
        ->check(ProgramCli::PositiveNumber())
        ->type_name(Tr("MeasureCommand", "SEKUNDEN"));
    command->callback([&context] { Measure(context); });
}
