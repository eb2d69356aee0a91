#include "cli/FirmwareCommands.h"

#include "app/cNivolantis.h"
#include "base/ConsoleMessageService.h"
#include "base/FileContent.h"
#include "base/IntegerConversion.h"
#include "base/Translation.h"
#include "cli/CliContext.h"
#include "cli/TerminalProgress.h"
#include "device/EepromTransfer.h"
#include "firmware/EepromHexFile.h"
#include "firmware/cFirmwareRW.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <iostream>

namespace {

constexpr int kEepromSize = static_cast<int>(EepromHexFile::kSize);
static_assert(EepromHexFile::kSize == EepromTransfer::kSize);

/// The application with the device found on one of the ports, which stays open; false after a
/// message when the program cannot start or no device answers.
bool ConnectDevice(CliContext& context) {
    if (!context.Start())
        return false;
    if (context.App().Connect() > 0)
        return true;
    std::cerr << Tr("FirmwareCommands", "Kein Gerät gefunden.") << '\n';
    context.Fail();
    return false;
}

/// A step message as one line; a CR LF inside it becomes a plain line end.
void PrintStep(const std::string& text) {
    std::cout << ConsoleMessageService::PlainLineEnds(text) << std::endl;
}

/// A failure line on standard error, after what standard output has so far.
void PrintFault(const std::string& text) {
    std::cout.flush();
    std::cerr << ConsoleMessageService::PlainLineEnds(text) << std::endl;
}

void RunFirmwareTransfer(CliContext& context, const std::function<bool(cFirmwareRW&)>& transfer) {
    if (!ConnectDevice(context))
        return;
    TerminalProgress progress;
    const std::unique_ptr<cFirmwareRW> made = context.App().NewFirmwareTransfer();
    cFirmwareRW& firmware = *made;
    firmware.OnFirmwareRWMessage = PrintStep;
    firmware.OnFirmwareRWFault = [&progress](const std::string& text) {
        progress.UpdateProgress(0); // the line of the percent display is free for the text
        PrintFault(text);
    };
    firmware.OnFirmwareRWProgress = [&progress](double percent) {
        progress.UpdateProgress(ToInt16(percent));
    };
    if (!transfer(firmware))
        context.Fail();
}

void AddFirmwareWrite(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "firmware-write",
        Tr("FirmwareCommands", "Eine Firmwaredatei über den Bootloader ins Gerät übertragen"));
    command->add_option("file", context.args.file, Tr("FirmwareCommands", "Firmwaredatei (*.hex)"))
        ->required();
    command->callback([&context] {
        RunFirmwareTransfer(context, [&context](cFirmwareRW& firmware) {
            return context.App().WriteFirmware(firmware, context.args.file);
        });
    });
}

void AddFirmwareRead(CLI::App& cli, CliContext& context) {
    auto* command =
        cli.add_subcommand("firmware-read", Tr("FirmwareCommands",
                                               "Die Firmware aus dem Gerät in eine Datei sichern"));
    CliContext::Arguments& args = context.args;
    args.size = cFirmwareRW::kFlashSize; // the program memory the service page reads
    command->add_option("-o,--output", args.out, Tr("FirmwareCommands", "Firmwaredatei (*.hex)"))
        ->required();
    command
        ->add_option("--size", args.size,
                     Tr("FirmwareCommands", "Anzahl der zu lesenden Bytes ab Adresse 0"))
        ->check(CLI::Range(1, 65536))
        ->capture_default_str();
    command->callback([&context] {
        RunFirmwareTransfer(context, [&context](cFirmwareRW& firmware) {
            return context.App().ReadFirmware(firmware, context.args.size, context.args.out);
        });
    });
}

/// Reads addresses 0 to 511 as the service page does; false after naming the cells that failed.
bool ReadEeprom(cNivolantis& app, EepromHexFile::Image& bytes) {
    TerminalProgress progress;
    EepromTransfer transfer = app.NewEepromTransfer(&progress);
    const std::string failed = EepromTransfer::FailedCells(transfer.Read(bytes));
    if (failed.empty())
        return true;
    std::cerr << TrArgs(Tr("FirmwareCommands",
                           "Das Gerät hat diese EEPROM-Adressen nicht beantwortet: %1."),
                        {failed})
              << '\n';
    return false;
}

void AddEepromRead(CLI::App& cli, CliContext& context) {
    auto* command = cli.add_subcommand(
        "eeprom-read",
        Tr("FirmwareCommands", "Das interne EEPROM des Geräts als Intel-Hex-Datei sichern"));
    command
        ->add_option("-o,--output", context.args.out,
                     Tr("FirmwareCommands", "EEPROM-Datei (*.eep)"))
        ->required();
    command->callback([&context] {
        const std::string& out = context.args.out;
        EepromHexFile::Image bytes{};
        if (!ConnectDevice(context) || !ReadEeprom(context.App(), bytes)) {
            context.Fail();
            return;
        }
        PrintStep(TrArgs(Tr("FirmwareCommands", "EEPROM gelesen (%1 Bytes)."),
                         {std::to_string(kEepromSize)}));
        if (const FileResult<> saved = ReplaceFileContent(out, EepromHexFile::Write(bytes));
            !saved) {
            std::cerr << TrArgs(Tr("FirmwareCommands",
                                   "Die Datei '%1' konnte nicht gespeichert werden. %2"),
                                {out, saved.Failure()})
                      << "\n";
            context.Fail();
            return;
        }
        PrintStep(TrArgs(Tr("FirmwareCommands", "EEPROM in Datei '%1' gespeichert."), {out}));
    });
}

/// The dump file's bytes; empty after a message when it is missing, has a bad line or does not
/// hold exactly the EEPROM addresses.
std::optional<EepromHexFile::Image> LoadEeprom(const std::string& name) {
    FileResult<EepromHexFile::Image> bytes = EepromHexFile::Load(name);
    if (!bytes) {
        std::cerr << bytes.Failure() << "\n";
        return std::nullopt;
    }
    return *std::move(bytes);
}

/// The outcome of an EEPROM write as the user sees it: on standard output when every cell went
/// through, else on standard error naming the cells that failed.
std::string TellEepromWrite(const EepromTransfer::CellResults& results) {
    const std::string failed = EepromTransfer::FailedCells(results);
    if (failed.empty()) {
        const std::string text = TrArgs(Tr("FirmwareCommands", "EEPROM geschrieben (%1 Bytes)."),
                                        {std::to_string(kEepromSize)});
        PrintStep(text);
        return text;
    }
    const std::string text = TrArgs(
        Tr("FirmwareCommands", "Diese EEPROM-Adressen konnten nicht geschrieben werden: %1."),
        {failed});
    std::cerr << text << '\n';
    return text;
}

/// Writes addresses 0 to 511 as the service page does; false after naming the cells that failed.
bool WriteEeprom(CliContext& context, const EepromHexFile::Image& bytes) {
    TerminalProgress progress;
    EepromTransfer transfer = context.App().NewEepromTransfer(&progress);
    const EepromTransfer::CellResults results =
        context.App().WriteEeprom(transfer, bytes, context.args.file, TellEepromWrite);
    return EepromTransfer::Transferred(results) == kEepromSize;
}

void AddEepromWrite(CLI::App& cli, CliContext& context) {
    auto* command =
        cli.add_subcommand("eeprom-write", Tr("FirmwareCommands",
                                              "Eine EEPROM-Datei (Intel Hex) ins Gerät schreiben"));
    command->add_option("file", context.args.file, Tr("FirmwareCommands", "EEPROM-Datei (*.eep)"))
        ->required();
    command->callback([&context] {
        const auto bytes = LoadEeprom(context.args.file);
        if (!bytes || !ConnectDevice(context) || !WriteEeprom(context, *bytes))
            context.Fail();
    });
}

} // namespace

void AddFirmwareCommands(CLI::App& cli, CliContext& context) {
    AddFirmwareWrite(cli, context);
    AddFirmwareRead(cli, context);
    AddEepromRead(cli, context);
    AddEepromWrite(cli, context);
}
