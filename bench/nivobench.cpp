// Timing figures of the device transfers against the simulator, one line per figure:
//   NAME: wall W s, limit L s, ratio R        (with 19200-baud wire timing)
//   NAME: N exchanges/s                       (without timing)
#include "app/cNivolantis.h"
#include "base/MessageService.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "commandline/ProgramCli.h"
#include "device/DeviceProtocol.h"
#include "device/cSerCom.h"
#include "firmware/cFirmwareRW.h"
#include "firmware/cHexFile.h"
#include "model/CatalogueNames.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "ui/main/frmMain.h"

#include <QApplication>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kBaud = 19200;
constexpr double kBitsPerByte = 10;   ///< start bit, 8 data bits, stop bit
constexpr double kSearchPauseS = 0.2; ///< the device search pauses before trying COM1

class QuietMessages : public MessageService {
public:
    void ShowMessage(const std::string& text, MsgIcon icon, const std::string&) override {
        if (icon == MsgIcon::Critical)
            std::fprintf(stderr, "%s\n", text.c_str());
    }
    MsgAnswer Ask(const std::string&, MsgButtons, const std::string&) override {
        return MsgAnswer::No;
    }
};

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double WireSeconds(std::size_t bytes) {
    return bytes * kBitsPerByte / kBaud;
}

/// A figure with a decimal point, also once the window toolkit has set the user's locale.
std::string Figure(double value, int decimals = 3) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

void PrintRatio(const char* name, double wall, double limit) {
    std::cout << name << ": wall " << Figure(wall) << " s, limit " << Figure(limit) << " s, ratio "
              << Figure(wall / limit) << std::endl;
}

/// Bytes the device answers to what it received during a transfer.
std::size_t AnswerBytes(const K417Simulator& sim, std::size_t identLength) {
    return sim.CommandCount('c') + sim.CommandCount('L') + sim.CommandCount('B') +
           sim.CommandCount('I') * (identLength + 1);
}

/// Wall times of a download and an upload, and the bytes they put on the wire both ways.
struct TransferRun {
    double downloadS = 0, uploadS = 0;
    std::size_t downloadBytes = 0, uploadBytes = 0;
};

TransferRun RunTransfers(cNivolantis& app, K417Simulator& sim) {
    const std::size_t ident = std::string("NIVOLANTIS K417 V2.1").size();
    TransferRun run;
    sim.ClearReceived();
    auto start = std::chrono::steady_clock::now();
    app.Download();
    run.downloadS = Seconds(start);
    run.downloadBytes = sim.Received().size() + AnswerBytes(sim, ident);

    const int c = sim.CommandCount('c'), l = sim.CommandCount('L'), b = sim.CommandCount('B'),
              i = sim.CommandCount('I');
    sim.ClearReceived();
    start = std::chrono::steady_clock::now();
    app.Upload();
    run.uploadS = Seconds(start);
    run.uploadBytes = sim.Received().size() + (sim.CommandCount('c') - c) +
                      (sim.CommandCount('L') - l) + (sim.CommandCount('B') - b) +
                      (sim.CommandCount('I') - i) * (ident + 1);
    return run;
}

/// Against the own simulator with its 19200-baud wire timing, or through `port` (a device
/// server, say, in front of a "nivosim --baud 19200"): the bytes of the transfers are counted
/// on the own simulator first, without timing, as the limit is their line time.
void TimedTransfers(cNivolantis& app, K417Simulator& sim, const std::string& port) {
    sim.SetBaudRate(port.empty() ? kBaud : 0);
    TransferRun run = RunTransfers(app, sim);
    sim.SetBaudRate(0);
    if (!port.empty()) {
        app.Ports().setPortPath(1, port);
        const TransferRun there = RunTransfers(app, sim);
        run.downloadS = there.downloadS;
        run.uploadS = there.uploadS;
    }
    PrintRatio("download_19200", run.downloadS, WireSeconds(run.downloadBytes) + kSearchPauseS);
    PrintRatio("upload_19200", run.uploadS, WireSeconds(run.uploadBytes) + kSearchPauseS);
}

void ExchangeRate(cNivolantis& app) {
    constexpr int kExchanges = 20000;
    app.OpenPort(1);
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < kExchanges; ++n)
        if (!app.ReadEepromByte(n % 512))
            std::fprintf(stderr, "exchange %d failed\n", n);
    std::cout << "eeprom_exchanges: " << Figure(kExchanges / Seconds(start), 0) << " exchanges/s"
              << std::endl;
    app.ClosePort();

    auto transfer = std::chrono::steady_clock::now();
    app.Upload();
    std::cout << "upload_untimed: wall " << Figure(Seconds(transfer)) << " s" << std::endl;
}

/// Runs one firmware transfer and returns its wall time; its messages are kept, and printed
/// on standard error when it fails.
double TimedFirmware(cNivolantis& app, std::vector<std::string>& messages,
                     const std::function<bool(cFirmwareRW&)>& transfer) {
    const std::unique_ptr<cFirmwareRW> made = app.NewFirmwareTransfer();
    cFirmwareRW& firmware = *made;
    firmware.OnFirmwareRWMessage = [&messages](const std::string& text) {
        messages.push_back(text);
    };
    const auto start = std::chrono::steady_clock::now();
    const bool done = transfer(firmware);
    const double wall = Seconds(start);
    if (!done)
        for (const std::string& text : messages)
            std::fprintf(stderr, "%s\n", text.c_str());
    return wall;
}

/// Length of the identification quoted in a message, the first quote that holds `part`; the
/// messages are in the user's language, the identification is the device's own.
std::size_t QuotedReplyLength(const std::vector<std::string>& messages, const std::string& part) {
    for (const std::string& text : messages) {
        const std::size_t open = text.find('\''), close = text.rfind('\'');
        if (open != std::string::npos && close > open &&
            text.substr(open + 1, close - open - 1).find(part) != std::string::npos)
            return close - open - 1;
    }
    return 0;
}

/// A firmware write of 32 KiB and a read of 32768 bytes; the limit counts both directions:
/// what the simulator received, and the answers the protocol prescribes for it.
void FirmwareTransfers(cNivolantis& app, K417Simulator& sim) {
    constexpr std::int32_t kSize = cFirmwareRW::kFlashSize;
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("nivobench-" + std::to_string(::getpid()) + ".hex"))
                                 .string();
    cHexFile hex;
    for (std::int32_t a = 0; a < kSize; ++a)
        hex.SetByte(a, static_cast<std::uint8_t>(a * 7 + 3));
    hex.ReStructHexData(16, kSize);
    hex.SaveHexFile(file);
    app.OpenPort(1);
    sim.SetBaudRate(kBaud);

    std::vector<std::string> messages;
    const int blocksBefore = sim.CommandCount('#');
    sim.ClearReceived();
    double wall =
        TimedFirmware(app, messages, [&](cFirmwareRW& f) { return f.WriteHexFile(file); });
    const std::size_t blocks = sim.CommandCount('#') - blocksBefore;
    // "R": 1, identification and its zero byte, per block 3 + 127 echoes + 2, reset: 3
    std::size_t answers =
        1 + QuotedReplyLength(messages, "Bootloader") + 1 + blocks * (3 + 127 + 2) + 3;
    PrintRatio("firmware_write_19200", wall, WireSeconds(sim.Received().size() + answers));

    messages.clear();
    const int readsBefore = sim.CommandCount('s');
    sim.ClearReceived();
    wall = TimedFirmware(app, messages, [&](cFirmwareRW& f) { return f.ReadHexFile(kSize, file); });
    // identification and its zero byte, one byte per "s"
    answers = QuotedReplyLength(messages, "NIVOLANTIS") + 1 + (sim.CommandCount('s') - readsBefore);
    PrintRatio("firmware_read_19200", wall, WireSeconds(sim.Received().size() + answers));
    sim.SetBaudRate(0);
    std::filesystem::remove(file);
}

/// Time of one full refresh of the main window (offscreen), as every focus change causes one:
/// with nothing changed, and after a change of the comma position, which rewrites every scaled
/// field and the support-point grid.
void RefreshTime(int argc, char** argv, const SettingsFiles& settings) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    cNivolantis app(settings);
    {
        frmMain window(app, "");
        window.show();
        QApplication::processEvents();
        constexpr int kRuns = 500;
        auto start = std::chrono::steady_clock::now();
        for (int n = 0; n < kRuns; ++n)
            window.Update();
        std::cout << "refresh_unchanged: " << Figure(Seconds(start) * 1000 / kRuns)
                  << " ms per refresh, limit 2 ms" << std::endl;
        cParameter& comma = app.Data(Catalogue::kInputGroup).Parameters(Catalogue::kDecimalPlaces);
        start = std::chrono::steady_clock::now();
        for (int n = 0; n < kRuns; ++n)
            comma.setValue(n % 2 ? 2.0 : 3.0); // notifies: one refresh each
        std::cout << "refresh_changed: " << Figure(Seconds(start) * 1000 / kRuns)
                  << " ms per refresh, limit 2 ms" << std::endl;
    }
}

} // namespace

/// True when no figure was named on the command line, or this one was.
bool Wanted(const std::vector<std::string>& figures, const std::string& figure) {
    return figures.empty() || std::find(figures.begin(), figures.end(), figure) != figures.end();
}

int main(int argc, char** argv) {
    Language language = ProgramCli::ChosenLanguage(argc, argv);
    const auto texts = ProgramCli::InstallTexts(language);
    CLI::App cli{Tr("nivobench", "Zeitmessungen der Geräteübertragungen am simulierten Gerät"),
                 "nivobench"};
    ProgramCli::Setup(cli, "nivobench", language);
    std::vector<std::string> figures;
    cli.add_option(Tr("nivobench", "messungen"), figures,
                   Tr("nivobench", "Nur diese Messungen (Standard: alle)"))
        ->check(CLI::IsMember({"transfers", "exchanges", "firmware", "refresh"}))
        ->type_name(Tr("nivobench", "MESSUNG"));
    std::string settingsFile;
    cli.add_option("--settings", settingsFile,
                   Tr("nivobench",
                      "Einstellungsdatei statt der installierten und der eigenen NivoConfig.ini"))
        ->type_name(Tr("nivobench", "DATEI"));
    std::string port;
    cli.add_option("--port", port,
                   Tr("nivobench", "COM1=ADRESSE: die Übertragungen über diese Schnittstelle "
                                   "statt direkt am simulierten Gerät, etwa "
                                   "rfc2217://RECHNER:PORT"))
        ->type_name(Tr("nivobench", "COM1=ADRESSE"));
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return cli.exit(error) == 0 ? 0 : 2;
    }
    if (!port.empty() && (port.find('=') == std::string::npos ||
                          PortNames::PortNumber(port.substr(0, port.find('='))) != 1)) {
        std::cerr << TrArgs(Tr("nivobench", "--port: erwartet COM1=ADRESSE, nicht '%1'."), {port})
                  << '\n';
        return 2;
    }
    Platform::Install(std::make_unique<QuietMessages>());
    const SettingsFiles settings =
        settingsFile.empty() ? SettingsFiles::ForUser() : SettingsFiles::Only(settingsFile);
    cNivolantis app(settings);
    app.Record().setEnabled(false); // a measurement on the simulator is no commissioning
    K417Simulator sim;
    sim.SetIdentification("NIVOLANTIS K417 V2.1");
    sim.SetEeprom(FactoryEeprom());
    sim.Start();
    app.Ports().setPortPath(1, sim.SlavePath());

    if (Wanted(figures, "transfers"))
        TimedTransfers(app, sim, port.empty() ? "" : port.substr(port.find('=') + 1));
    if (Wanted(figures, "exchanges"))
        ExchangeRate(app);
    if (Wanted(figures, "firmware"))
        FirmwareTransfers(app, sim);
    if (Wanted(figures, "refresh"))
        RefreshTime(argc, argv, settings);
    return 0;
}
