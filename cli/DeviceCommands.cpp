#include "cli/DeviceCommands.h"

#include "app/cNivolantis.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "cli/MeasureCommand.h"
#include "device/DeviceTransfer.h"
#include "device/NetworkAddress.h"
#include "device/PortAccess.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

/// Starts the application with a progress display registered as its view.
bool StartWithProgress(CliContext& context) {
    if (!context.Start())
        return false;
    if (context.App().Views().empty())
        context.progressView = context.App().AddView(context.progress);
    return true;
}

/// One line per port the search tried.
void PrintSearch(const std::vector<PortProbe>& report) {
    for (const PortProbe& probe : report)
        std::cout << DeviceTransfer::DescribeProbe(probe) << '\n';
}

void AddConnect(CLI::App& cli, CliContext& context) {
    auto* command =
        cli.add_subcommand("connect", Tr("DeviceCommands", "Das Gerät an COM1 bis COM16 suchen"));
    command->add_flag(
        "-v,--verbose", context.args.verbose,
        Tr("DeviceCommands", "Jede Schnittstelle mit Gerätedatei und Ergebnis zeigen"));
    command->callback([&context] {
        if (!StartWithProgress(context))
            return;
        const bool found = context.ConnectDevice(context.args.verbose);
        if (context.args.verbose)
            PrintSearch(context.App().LastSearch());
        if (found)
            std::cout << "COM" << context.App().PortNr() << ": " << context.App().FirmwareID()
                      << '\n';
    });
}

/// Whether the port may be opened; a port that another program holds says so, which the file's
/// rights alone cannot tell.
std::string PortState(cNivolantis& app, std::int16_t n, const std::string& path) {
    const cNivolantis::PortState tried = app.TryPort(n);
    return tried.fault == OpenFault::InUse ? tried.text : PortAccess::Access(path);
}

/// What a network address is, and that it has no device file whose rights could be checked.
std::string NetworkPortText(const NetworkAddress& address) {
    return address.mode == NetworkAddress::Mode::Rfc2217
               ? Tr("DeviceCommands", "Geräteserver (RFC 2217), Verbindung beim Öffnen.")
               : Tr("DeviceCommands", "Geräteserver (TCP), Verbindung beim Öffnen.");
}

/// "COM1: /dev/ttyUSB0, usb-FTDI_…-port0, Zugriff erlaubt." for every COMn with a device file
/// or a network address.
void PrintPorts(cNivolantis& app) {
    for (std::int16_t n = 1; n <= PortNames::kPortCount; ++n) {
        const std::string path = app.Ports().PortPath(n);
        if (path.empty())
            continue;
        std::cout << "COM" << n << ": " << path << ", ";
        if (NetworkAddress::IsNetworkName(path)) {
            const auto address = NetworkAddress::Parse(path);
            std::cout << (address ? NetworkPortText(*address)
                                  : Tr("DeviceCommands", "ungültige Netzwerkadresse."))
                      << '\n';
            continue;
        }
        const std::string kind = app.Ports().PortKind(n);
        std::cout << (kind.empty() ? Tr("DeviceCommands", "aus den Einstellungen") : kind) << ", "
                  << PortState(app, n, path) << '\n';
    }
}

void AddPorts(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "ports",
        Tr("DeviceCommands", "Die Schnittstellen mit Gerätedatei, Art und Zugriffsrecht zeigen"));
    command->callback([&context] {
        if (context.Start())
            PrintPorts(context.App());
    });
}

void AddRead(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "read", Tr("DeviceCommands", "Das Gerät lesen und als Parameterdatei speichern"));
    command
        ->add_option("-o,--output", context.args.out,
                     Tr("DeviceCommands", "Parameterdatei (*.par)"))
        ->required();
    command->callback([&context] {
        if (!StartWithProgress(context))
            return;
        cNivolantis& app = context.App();
        if (!app.Upload()) {
            context.Fail();
            return;
        }
        // A backup of what the device holds is saved even when it fails the check.
        if (app.TestData())
            context.Fail();
        if (!app.WriteIni(context.args.out))
            context.Fail();
    });
}

void AddWrite(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "write", Tr("DeviceCommands", "Eine Parameterdatei in das Gerät schreiben"));
    command
        ->add_option(Tr("DeviceCommands", "datei"), context.args.file,
                     Tr("DeviceCommands", "Parameterdatei"))
        ->required();
    AddVariantOption(*command, context);
    command->callback([&context] {
        if (StartWithProgress(context) && context.LoadFile(context.args.file) &&
            context.ApplyVariant() && !context.App().Download())
            context.Fail();
    });
}

} // namespace

void AddVariantOption(CLI::App& command, CliContext& context) {
    command
        .add_option("--variant", context.args.variant,
                    Tr("DeviceCommands",
                       "Gerätevariante: 7 alle Funktionen, 1 eingeschränkte Software, 0 auch "
                       "nur 2 Relais, geraet aus dem Gerät lesen"))
        ->check(CLI::IsMember({"7", "1", "0", "geraet", "device"}));
}

void AddDeviceCommands(CLI::App& cli, CliContext& context) {
    AddConnect(cli, context);
    AddPorts(cli, context);
    AddRead(cli, context);
    AddWrite(cli, context);
    AddMeasureCommand(cli, context);
}
