#include "firmware/EepromHexFile.h"

#include "base/FileContent.h"
#include "base/Translation.h"
#include "firmware/cHexFile.h"

#include <optional>

namespace {

constexpr std::int16_t kRecordSize = 16;         // data bytes per line of the dump
constexpr char kEndOfFileLine[] = ":00000001FF"; // end-of-file record

/// The bytes of the text; nothing when a line is no valid record (`fault` then says which and
/// why) or when the text does not hold exactly the addresses 0 … 511 (`fault` empty).
std::optional<EepromHexFile::Image> Parse(const std::string& text, std::string& fault) {
    cHexFile file;
    const bool read = file.OpenHexText(text);
    fault = file.Fault();
    if (!read || file.DataOutsideImage() ||
        file.HighestDataAddress() >= static_cast<std::int64_t>(EepromHexFile::kSize))
        return std::nullopt;
    EepromHexFile::Image bytes{};
    for (std::size_t a = 0; a < EepromHexFile::kSize; ++a)
        if (!file.GetByte(static_cast<std::int32_t>(a), bytes[a]))
            return std::nullopt;
    return bytes;
}

std::string LastAddress() {
    return cHexRecord::HexStr(EepromHexFile::kSize - 1, 0);
}

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

FileResult<EepromHexFile::Image> EepromHexFile::Read(const std::string& text) {
    std::string fault;
    auto bytes = Parse(text, fault);
    if (!bytes)
        return FileResult<Image>::Failed(
            fault.empty() ? TrArgs(Tr("EepromHexFile", "Der Text enthält nicht genau die "
                                                       "EEPROM-Adressen 0 bis %1."),
                                   {LastAddress()})
                          : fault);
    return *bytes;
}

FileResult<EepromHexFile::Image> EepromHexFile::Load(const std::string& path) {
    const FileResult<std::string> text = ReadFileContent(path);
    if (!text)
        return FileResult<Image>::Failed(
            TrArgs(Tr("EepromHexFile", "Die Datei '%1' konnte nicht gelesen werden. %2"),
                   {path, text.Failure()}));
    std::string fault;
    auto bytes = Parse(*text, fault);
    if (!fault.empty())
        return FileResult<Image>::Failed(
            TrArgs(Tr("EepromHexFile", "Fehler in der Datei '%1', %2"), {path, fault}));
    if (!bytes)
        return FileResult<Image>::Failed(
            TrArgs(Tr("EepromHexFile", "Die Datei '%1' enthält nicht genau die EEPROM-Adressen 0 "
                                       "bis %2."),
                   {path, LastAddress()}));
    return *bytes;
}
