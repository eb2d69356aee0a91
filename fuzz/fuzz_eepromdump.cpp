// EEPROM dump files ("eep"): a dump that is read must be written back with the same bytes.
#include "FuzzPlatform.h"
#include "firmware/EepromHexFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto image = EepromHexFile::Read(text);
    if (image) {
        FuzzPlatform::Check(image.Failure().empty(), "a dump that was read reports a fault");
        const auto reread = EepromHexFile::Read(EepromHexFile::Write(*image));
        FuzzPlatform::Check(reread && *reread == *image, "a written dump reads back differently");
    }
    return 0;
}
