// EEPROM dump files ("eep"): a dump that is read must be written back with the same bytes.
#include "FuzzPlatform.h"
#include "firmware/EepromHexFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string fault;
    const auto image = EepromHexFile::Read(text, fault);
    if (image) {
        FuzzPlatform::Check(fault.empty(), "a dump that was read reports a fault");
        std::string again;
        const auto reread = EepromHexFile::Read(EepromHexFile::Write(*image), again);
        FuzzPlatform::Check(reread && *reread == *image, "a written dump reads back differently");
    }
    return 0;
}
