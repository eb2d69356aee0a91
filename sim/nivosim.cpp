// nivosim: a simulated K417 on a pseudo-terminal. Prints the device path on the first line of
// standard output and serves until SIGINT or SIGTERM.

#include "app/cNivolantis.h"
#include "base/FileContent.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <iterator>

namespace {

K417Simulator* g_simulator = nullptr;

void StopServing(int) {
    g_simulator->RequestStop();
}

K417Device::EepromImage LoadEeprom(const std::string& path) {
    const auto bytes = ReadFileContent(path);
    if (!bytes)
        throw std::runtime_error("cannot read " + path);
    if (bytes->size() != K417Device::kEepromSize)
        throw std::runtime_error(path + ": an EEPROM image has exactly 512 bytes");
    K417Device::EepromImage image;
    std::copy(bytes->begin(), bytes->end(), image.begin());
    return image;
}

/// The factory image: the catalogue defaults of the settings file beside the program.
K417Device::EepromImage FactoryEeprom(const std::string& settingsFile) {
    try {
        return EepromImageOf(cNivolantis(settingsFile));
    } catch (const std::exception& error) {
        std::cerr << "nivosim: " << error.what() << " The EEPROM starts blank.\n";
        return K417Device::BlankEeprom();
    }
}

void SaveEeprom(const std::string& path, const K417Device::EepromImage& image) {
    const std::string failure =
        ReplaceFileContent(path, std::string(image.begin(), image.end()));
    if (!failure.empty())
        throw std::runtime_error("cannot save " + path + ": " + failure);
}

std::string HexBytes(const std::string& hex) {
    if (hex.size() % 2 != 0)
        throw std::runtime_error("--garbage: an even number of hex digits is needed");
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(&hex[i], &hex[i] + 2, value, 16);
        if (error != std::errc() || end != &hex[i] + 2)
            throw std::runtime_error("--garbage: '" + hex + "' is not hexadecimal");
        bytes += static_cast<char>(value);
    }
    return bytes;
}

struct Options {
    std::optional<int> variant;
    std::string eepromFile;
    std::string settingsFile = cNivolantis::DefaultSettingsFile();
    std::string saveEepromFile;
    std::string identification;
    std::string link;
    std::string garbageHex;
    int baud = 0;
    K417Faults faults;
};

void Declare(CLI::App& app, Options& options) {
    app.add_option("--variant", options.variant, "hardware variant byte at EEPROM address 7")
        ->check(CLI::Range(0, 255));
    app.add_option("--eeprom", options.eepromFile, "raw 512-byte EEPROM image to start with")
        ->check(CLI::ExistingFile);
    app.add_option("--settings", options.settingsFile,
                   "settings file whose catalogue defaults fill the factory EEPROM");
    app.add_option("--save-eeprom", options.saveEepromFile, "write the EEPROM image here at exit");
    app.add_option("--id", options.identification, "identification text answered to \"I\"");
    app.add_option("--link", options.link, "also reachable through this symbolic link");
    app.add_option("--baud", options.baud, "wire timing: 10 bits per byte at this baud rate")
        ->check(CLI::PositiveNumber);
    app.add_flag("--silent", options.faults.silent, "answer nothing");
    app.add_option("--no-answer-from", options.faults.noAnswerFrom,
                   "leave \"c\"/\"L\" unanswered from this EEPROM address on");
    app.add_option("--wrong-echo-at", options.faults.wrongEchoAt,
                   "echo \"L\" at this EEPROM address inverted, storing nothing");
    app.add_option("--wrong-flash-echo-at", options.faults.wrongFlashEchoAt,
                   "echo the bootloader data byte for this flash address inverted");
    app.add_option("--garbage", options.garbageHex, "send these hex bytes instead of every answer");
    app.add_option("--delay", options.faults.answerDelayS, "delay every answer by seconds")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--extra-byte-from", options.faults.extraByteFrom,
                   "add one byte to every answer from this one on (1: the first)")
        ->check(CLI::PositiveNumber);
    app.add_option("--hang-up-after", options.faults.hangUpAfter,
                   "close the line after this many received bytes");
}

void Configure(K417Simulator& simulator, Options& options) {
    K417Device::EepromImage image =
        options.eepromFile.empty() ? FactoryEeprom(options.settingsFile) : LoadEeprom(options.eepromFile);
    if (options.variant)
        image[K417Device::kVariantAddress] = static_cast<std::uint8_t>(*options.variant);
    simulator.SetEeprom(image);
    if (!options.identification.empty())
        simulator.SetIdentification(options.identification);
    options.faults.garbage = HexBytes(options.garbageHex);
    simulator.SetFaults(options.faults);
    simulator.SetBaudRate(options.baud);
    if (!options.link.empty()) {
        std::filesystem::remove(options.link);
        std::filesystem::create_symlink(simulator.SlavePath(), options.link);
    }
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Simulated Nivolantis K417 on a pseudo-terminal"};
    Options options;
    Declare(app, options);
    CLI11_PARSE(app, argc, argv);
    try {
        K417Simulator simulator;
        Configure(simulator, options);
        g_simulator = &simulator;
        std::signal(SIGINT, StopServing);
        std::signal(SIGTERM, StopServing);
        std::cout << simulator.SlavePath() << std::endl;
        simulator.Serve();
        if (simulator.HungUp())
            std::cerr << "nivosim: line closed (hang-up fault)\n";
        if (!options.link.empty())
            std::filesystem::remove(options.link);
        if (!options.saveEepromFile.empty())
            SaveEeprom(options.saveEepromFile, simulator.Eeprom());
    } catch (const std::exception& error) {
        std::cerr << "nivosim: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
