// Parameter files from other installations: loading one into a full model, the whole-model
// check and a save must neither crash nor leave a value the model cannot hold.
#include "FuzzPlatform.h"
#include "app/cNivolantis.h"

#include <cmath>
#include <fstream>

namespace {

std::string SettingsFile() {
    const std::string path = FuzzPlatform::PathOf("NivoConfig.ini");
    std::ofstream(path, std::ios::binary) << "[Einheiten]\r\nAnzahl=3\r\nEinheit0=bar\r\n"
                                             "Einheit1=mbar\r\nEinheit2=m\r\n[ID]\r\n"
                                             "Firmware=K417 V2.1\r\n";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string settings = (FuzzPlatform::Install(), SettingsFile());
    // The first byte picks the regional settings the file is read under.
    FuzzPlatform::UseGerman(size == 0 || (data[0] & 1) == 0);
    const std::string input = FuzzPlatform::PathOf("input.par");
    std::ofstream(input, std::ios::binary)
        .write(reinterpret_cast<const char*>(data) + (size > 0),
               static_cast<std::streamsize>(size - (size > 0)));

    cNivolantis app(settings);
    app.ReadIni(input);
    app.ForEachParameter([](const cDataGroup&, const cParameter& parameter) {
        FuzzPlatform::Check(std::isfinite(parameter.Value()), "a loaded value is not finite");
    });
    if (!app.TestData())
        app.WriteIni(FuzzPlatform::PathOf("output.par"));
    return 0;
}
