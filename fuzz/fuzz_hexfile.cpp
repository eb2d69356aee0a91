// Whole Intel HEX firmware files: reading one into the image, cutting the blocks the firmware
// transfer sends, and restructuring the image as the read-back does.
#include "FuzzPlatform.h"
#include "firmware/cHexFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool installed = (FuzzPlatform::Install(), true);
    (void)installed;
    const std::string text(reinterpret_cast<const char*>(data), size);
    cHexFile file;
    if (file.OpenHexText(text)) {
        const std::int32_t bytes = file.ByteSize();
        FuzzPlatform::Check(bytes >= 0, "negative byte size");
        // The blocks of a firmware write, up to the first one the file does not fill.
        for (std::int32_t a = 0; a + 128 <= cHexFile::kImageEnd + 1; a += 128) {
            const cHexRecord block = file.GetRecord(a, 128);
            FuzzPlatform::Check(block.RecordLength() == 128, "a block is not 128 bytes long");
            if (block.Filled)
                break;
        }
        file.ReStructHexData(16, 32768);
    }
    return 0;
}
