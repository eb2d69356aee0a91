// nivosim: a simulated K417 on a pseudo-terminal. Prints the device path on the first line of
// standard output and serves until SIGINT or SIGTERM. Exit codes: 0 done, 1 failed, 2 usage.

#include "base/FileContent.h"
#include "base/Translation.h"
#include "commandline/ProgramCli.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <iterator>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

K417Simulator* g_simulator = nullptr;

void StopServing(int) {
    g_simulator->RequestStop();
}

K417Device::EepromImage LoadEeprom(const std::string& path) {
    const auto bytes = ReadFileContent(path);
    if (!bytes)
        throw std::runtime_error(TrArgs(Tr("nivosim", "%1 kann nicht gelesen werden."), {path}));
    if (bytes->size() != K417Device::kEepromSize)
        throw std::runtime_error(
            TrArgs(Tr("nivosim", "%1: ein EEPROM-Abbild hat genau 512 Bytes."), {path}));
    K417Device::EepromImage image;
    std::copy(bytes->begin(), bytes->end(), image.begin());
    return image;
}

void SaveEeprom(const std::string& path, const K417Device::EepromImage& image) {
    const FileResult<> saved = ReplaceFileContent(path, std::string(image.begin(), image.end()));
    if (!saved)
        throw std::runtime_error(
            TrArgs(Tr("nivosim", "%1 kann nicht gespeichert werden: %2"), {path, saved.Failure()}));
}

std::string HexBytes(const std::string& hex) {
    if (hex.size() % 2 != 0)
        throw std::runtime_error(
            Tr("nivosim", "--garbage: eine gerade Anzahl Hex-Ziffern ist nötig."));
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(&hex[i], &hex[i] + 2, value, 16);
        if (error != std::errc() || end != &hex[i] + 2)
            throw std::runtime_error(
                TrArgs(Tr("nivosim", "--garbage: '%1' ist nicht hexadezimal."), {hex}));
        bytes += static_cast<char>(value);
    }
    return bytes;
}

/// Removes `link` when it is a symbolic link to a pseudo-terminal, as an earlier run leaves it;
/// anything else there is refused.
void ReplaceOwnLink(const std::string& link) {
    namespace fs = std::filesystem;
    const fs::file_status status = fs::symlink_status(link);
    if (!fs::exists(status))
        return;
    if (!fs::is_symlink(status) || fs::read_symlink(link).string().rfind("/dev/pts/", 0) != 0)
        throw std::runtime_error(TrArgs(Tr("nivosim", "--link: %1 gibt es schon und ist kein Link "
                                                      "eines früheren Laufs; nichts geändert."),
                                        {link}));
    fs::remove(link);
}

struct Options {
    std::optional<int> variant;
    std::string eepromFile;
    std::string saveEepromFile;
    std::string identification;
    std::string link;
    std::string garbageHex;
    int baud = 0;
    K417Faults faults;
};

void Declare(CLI::App& app, Options& options) {
    app.add_option("--variant", options.variant,
                   Tr("nivosim", "Byte der Gerätevariante an EEPROM-Adresse 7"))
        ->check(CLI::Range(0, 255));
    app.add_option("--eeprom", options.eepromFile,
                   Tr("nivosim", "EEPROM-Abbild (512 Bytes) für den Start"))
        ->check(CLI::ExistingFile);
    app.add_option("--save-eeprom", options.saveEepromFile,
                   Tr("nivosim", "Das EEPROM-Abbild beim Beenden hier speichern"));
    app.add_option("--id", options.identification, Tr("nivosim", "Kennung als Antwort auf \"I\""));
    app.add_option("--link", options.link,
                   Tr("nivosim", "Auch über diesen symbolischen Link erreichbar"));
    app.add_option("--baud", options.baud,
                   Tr("nivosim", "Leitungszeit: 10 Bit je Byte bei dieser Baudrate"))
        ->check(ProgramCli::PositiveNumber());
    app.add_flag("--silent", options.faults.silent, Tr("nivosim", "Nichts antworten"));
    app.add_option("--no-answer-from", options.faults.noAnswerFrom,
                   Tr("nivosim", "\"c\"/\"L\" ab dieser EEPROM-Adresse nicht beantworten"));
    app.add_option(
        "--wrong-echo-at", options.faults.wrongEchoAt,
        Tr("nivosim", "Echo von \"L\" an dieser EEPROM-Adresse invertiert, nichts speichern"));
    app.add_option(
        "--wrong-flash-echo-at", options.faults.wrongFlashEchoAt,
        Tr("nivosim", "Echo des Bootloader-Datenbytes an dieser Flash-Adresse invertiert"));
    app.add_option("--garbage", options.garbageHex,
                   Tr("nivosim", "Diese Hex-Bytes statt jeder Antwort senden"));
    app.add_option("--delay", options.faults.answerDelayS,
                   Tr("nivosim", "Jede Antwort um SEKUNDEN verzögern"))
        ->check(ProgramCli::NonNegativeNumber());
    app.add_option(
           "--extra-byte-from", options.faults.extraByteFrom,
           Tr("nivosim", "Ab dieser Antwort (1: der ersten) jeder Antwort ein Byte anhängen"))
        ->check(ProgramCli::PositiveNumber());
    app.add_option("--hang-up-after", options.faults.hangUpAfter,
                   Tr("nivosim", "Die Leitung nach so vielen empfangenen Bytes schließen"));
}

void Configure(K417Simulator& simulator, Options& options) {
    K417Device::EepromImage image =
        options.eepromFile.empty() ? FactoryEeprom() : LoadEeprom(options.eepromFile);
    if (options.variant)
        image[K417Device::kVariantAddress] = static_cast<std::uint8_t>(*options.variant);
    simulator.SetEeprom(image);
    if (!options.identification.empty())
        simulator.SetIdentification(options.identification);
    options.faults.garbage = HexBytes(options.garbageHex);
    simulator.SetFaults(options.faults);
    simulator.SetBaudRate(options.baud);
    if (!options.saveEepromFile.empty()) {
        const auto folder = std::filesystem::absolute(options.saveEepromFile).parent_path();
        if (!std::filesystem::is_directory(folder))
            throw std::runtime_error(TrArgs(
                Tr("nivosim", "--save-eeprom: Ordner %1 gibt es nicht."), {folder.string()}));
    }
    if (!options.link.empty()) {
        ReplaceOwnLink(options.link);
        std::filesystem::create_symlink(simulator.SlavePath(), options.link);
    }
}

} // namespace

int main(int argc, char** argv) {
    Language language = ProgramCli::ChosenLanguage(argc, argv);
    const auto texts = ProgramCli::InstallTexts(language);
    CLI::App app{Tr("nivosim", "Simulierte Nivolantis K417 an einem Pseudo-Terminal"), "nivosim"};
    ProgramCli::Setup(app, "nivosim", language);
    Options options;
    Declare(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kUsage;
    }
    try {
        K417Simulator simulator;
        Configure(simulator, options);
        g_simulator = &simulator;
        std::signal(SIGINT, StopServing);
        std::signal(SIGTERM, StopServing);
        std::cout << simulator.SlavePath() << std::endl;
        simulator.Serve();
        if (simulator.HungUp())
            std::cerr << "nivosim: "
                      << Tr("nivosim", "Leitung geschlossen (Fehler --hang-up-after).") << '\n';
        if (!options.link.empty())
            std::filesystem::remove(options.link);
        if (!options.saveEepromFile.empty())
            SaveEeprom(options.saveEepromFile, simulator.Eeprom());
    } catch (const std::exception& error) {
        std::cerr << "nivosim: " << error.what() << '\n';
        return kFailed;
    }
    return 0;
}
