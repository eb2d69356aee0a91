#include "firmware/cHexFile.h"

#include "base/FileContent.h"
#include "base/Translation.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::int64_t kSegmentUnit = 16;                 // extended segment address: paragraphs
constexpr std::int64_t kLinearUnit = 65536;               // extended linear address: 64 KiB pages
constexpr std::int64_t kUnplaced = std::int64_t{1} << 40; // base of data with no known place

bool InImage(std::int64_t adr) {
    return adr >= 0 && adr <= cHexFile::kImageEnd;
}

std::out_of_range OutsideImage(std::int64_t adr) {
    return std::out_of_range(
        TrArgs(Tr("cHexFile", "Adresse %1 liegt außerhalb des Speicherabbilds (0 bis %2)."),
               {std::to_string(adr), std::to_string(cHexFile::kImageEnd)}));
}

} // namespace

cHexFile::cHexFile() {
    ClearData();
}

void cHexFile::ClearData() {
    m_hexData.assign(kImageEnd + 1, HexByte{});
}

bool cHexFile::GetByte(std::int32_t NewAdr, std::uint8_t& ByteVal) const {
    if (!InImage(NewAdr))
        throw OutsideImage(NewAdr);
    const HexByte& cell = m_hexData[static_cast<std::size_t>(NewAdr)];
    ByteVal = cell.Value;
    return !cell.Empty;
}

bool cHexFile::SetByte(std::int32_t NewAdr, std::uint8_t ByteVal) {
    if (!InImage(NewAdr))
        return false;
    m_hexData[static_cast<std::size_t>(NewAdr)] = HexByte{false, ByteVal};
    return true;
}

cHexRecord cHexFile::GetRecord(std::int32_t NewStartAdr, std::uint8_t NewSize) const {
    cHexRecord record;
    record.setRecordLength(NewSize);
    record.setOffset(NewStartAdr);
    record.FillRecordData(0xFF);
    std::int64_t last = std::int64_t{NewStartAdr} + NewSize - 1;
    if (!InImage(NewStartAdr))
        throw OutsideImage(NewStartAdr);
    if (!InImage(last))
        throw OutsideImage(last);
    for (std::uint8_t i = 0; i < NewSize; ++i) {
        std::uint8_t value = 0;
        if (!GetByte(NewStartAdr + i, value))
            return record; // the rest stays 0xFF
        record.SetRecordData(i, value);
    }
    record.Filled = false;
    return record;
}

void cHexFile::ResetPlacement() {
    m_base = 0;
    m_highestDataAddress = -1;
    m_dataOutsideImage = false;
}

bool cHexFile::OpenHexText(const std::string& text) {
    ClearRecords();
    ResetPlacement();
    m_fault.clear();
    std::vector<cHexRecord> records;
    if (!ParseLines(text, records))
        return false;
    for (const cHexRecord& record : records)
        AddRecord(record);
    return !m_hexRecords.empty();
}

bool cHexFile::OpenHexFile(const std::string& NewFileName) {
    // An unreadable file reads as one without records: the list is emptied all the same.
    const FileResult<std::string> content = ReadFileContent(NewFileName);
    return OpenHexText(content ? *content : "");
}

bool cHexFile::ParseLines(const std::string& text, std::vector<cHexRecord>& records) {
    bool ended = false; // the end-of-file record came
    std::size_t pos = 0;
    for (std::size_t number = 1; pos < text.size(); ++number) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        // Blank lines at the end of a file are harmless; anything after them is not.
        if (line.empty() && text.find_first_not_of("\r\n", pos) == std::string::npos)
            break;
        cHexRecord record;
        const std::string reason =
            ended ? Tr("cHexFile", "Nach dem Dateiende-Datensatz folgen weitere Zeilen.")
                  : record.Parse(line);
        if (!reason.empty()) {
            m_fault = TrArgs(Tr("cHexFile", "Zeile %1: %2"), {std::to_string(number), reason});
            return false;
        }
        ended = record.RecordTyp() == cHexRecord::kEndOfFile;
        records.push_back(std::move(record));
    }
    return true;
}

bool cHexFile::AddRecord(const cHexRecord& NewRecord) {
    m_hexRecords.push_back(NewRecord);
    StoreRecord(NewRecord);
    return true;
}

bool cHexFile::StoreRecord(const cHexRecord& record) {
    if (record.RecordTyp() == cHexRecord::kExtendedSegment ||
        record.RecordTyp() == cHexRecord::kExtendedLinear) {
        std::int64_t unit =
            record.RecordTyp() == cHexRecord::kExtendedSegment ? kSegmentUnit : kLinearUnit;
        m_base = record.RecordLength() == 2
                     ? (record.GetRecordData(0) * 256 + record.GetRecordData(1)) * unit
                     : kUnplaced;
        return true;
    }
    if (record.RecordTyp() != cHexRecord::kData || record.RecordLength() == 0)
        return true;
    std::int64_t first = m_base + record.Offset();
    m_highestDataAddress = std::max(m_highestDataAddress, first + record.RecordLength() - 1);
    for (std::uint8_t i = 0; i < record.RecordLength(); ++i) {
        if (!InImage(first + i)) {
            m_dataOutsideImage = true;
            return false;
        }
        m_hexData[static_cast<std::size_t>(first + i)] = HexByte{false, record.GetRecordData(i)};
    }
    return true;
}

std::string cHexFile::HexText() const {
    std::string text;
    for (const cHexRecord& record : m_hexRecords)
        text += record.RecordStr() + "\r\n";
    return text;
}

bool cHexFile::SaveHexFile(const std::string& NewFileName) const {
    return ReplaceFileContent(NewFileName, HexText()).Ok();
}

bool cHexFile::ReStructHexData(std::int16_t NewRecordSize, std::int32_t NewByteSize) {
    ClearRecords();
    if (NewRecordSize < 1 || NewRecordSize > 255)
        return false;
    auto size = static_cast<std::uint8_t>(NewRecordSize);
    for (std::int32_t a = 0; a < NewByteSize; a += size) {
        if (a + size - 1 > kImageEnd)
            return false;
        cHexRecord record;
        record.setRecordLength(size);
        record.FillRecordData(0xFF);
        record.setOffset(a);
        for (std::uint8_t i = 0; i < size; ++i)
            record.SetRecordData(i, m_hexData[static_cast<std::size_t>(a + i)].Value);
        m_hexRecords.push_back(record);
    }
    return true;
}

std::int32_t cHexFile::ByteSize() const {
    std::int32_t size = 0;
    for (const cHexRecord& record : m_hexRecords)
        if (record.RecordTyp() == cHexRecord::kData)
            size += record.RecordLength();
    return size;
}
