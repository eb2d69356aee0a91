#include "firmware/EepromHexFile.h"

#include "firmware/cHexFile.h"

namespace {

constexpr std::int16_t kRecordSize = 16;         // data bytes per line of the dump
constexpr char kEndOfFileLine[] = ":00000001FF"; // end-of-file record

} // namespace

std::string EepromHexFile::Write(const Image& bytes) {
    cHexFile file;
    for (std::size_t a = 0; a < kSize; ++a)
        file.SetByte(static_cast<std::int32_t>(a), bytes[a]);
    file.ReStructHexData(kRecordSize, kSize);
    cHexRecord endOfFile;
    endOfFile.InitByString(kEndOfFileLine);
    file.AddRecord(endOfFile);
    return file.HexText();
}

std::optional<EepromHexFile::Image> EepromHexFile::Read(const std::string& text,
                                                        std::string& fault) {
    cHexFile file;
    const bool read = file.OpenHexText(text);
    fault = file.Fault();
    if (!read || file.DataOutsideImage() ||
        file.HighestDataAddress() >= static_cast<std::int64_t>(kSize))
        return std::nullopt;
    Image bytes{};
    for (std::size_t a = 0; a < kSize; ++a)
        if (!file.GetByte(static_cast<std::int32_t>(a), bytes[a]))
            return std::nullopt;
    return bytes;
}
