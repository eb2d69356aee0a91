#pragma once

#include "firmware/cHexRecord.h"

#include <cstdint>
#include <string>
#include <vector>

/// One cell of the byte image.
struct HexByte {
    bool Empty = true; ///< no byte stored at this address yet
    std::uint8_t Value = 0xFF;
};

/// An Intel HEX file: its records in file order, and a byte image of addresses 0 to 102400 into
/// which every data record is copied. The image is cleared only when the object is created, so
/// opening a second file into the same object keeps the first file's bytes; use a fresh object
/// for a fresh image.
///
/// Extended segment (type 02) and extended linear (type 04) address records move the data
/// records after them to base + offset; such a record that does not hold exactly two bytes
/// leaves the following data without a known place, and it counts as outside the image.
class cHexFile {
public:
    static constexpr std::int32_t kImageEnd = 102400; ///< highest image address (100 × 1024)

    cHexFile();

    /// ByteVal receives the cell's value (0xFF when empty); true when a byte is stored there.
    /// An address outside 0 … kImageEnd throws std::out_of_range.
    bool GetByte(std::int32_t NewAdr, std::uint8_t& ByteVal) const;
    /// Stores the byte; false when the address lies outside 0 … kImageEnd.
    bool SetByte(std::int32_t NewAdr, std::uint8_t ByteVal);

    /// A data record of NewSize bytes cut from the image at NewStartAdr (not added to the list).
    /// Bytes from the first empty cell on are 0xFF; Filled stays true unless every cell held a
    /// byte. NewSize 0 throws std::invalid_argument; a span reaching outside 0 … kImageEnd
    /// throws std::out_of_range.
    cHexRecord GetRecord(std::int32_t NewStartAdr, std::uint8_t NewSize) const;

    /// Replaces the record list by the records of the text and copies their data into the
    /// image. Lines end at CR, CR LF or LF. The whole text is refused (no records, the image
    /// untouched, the reason in Fault) when any line is no valid record, a blank line stands
    /// between records or a line follows the end-of-file record; blank lines at the end are
    /// harmless. Shows no message. True when at least one record was read.
    bool OpenHexText(const std::string& text);
    /// OpenHexText on the file's content; false when the file cannot be read (Fault empty).
    bool OpenHexFile(const std::string& NewFileName);
    /// Why the last OpenHexText refused its text, as "Zeile 3: " + the reason; empty when it
    /// did not.
    const std::string& Fault() const { return m_fault; }

    /// RecordStr of every record in list order, each followed by CR LF.
    std::string HexText() const;
    /// Writes HexText into the file, replacing it; false on any failure.
    bool SaveHexFile(const std::string& NewFileName) const;

    /// Replaces the record list by data records of NewRecordSize bytes at 0, NewRecordSize, …
    /// while the offset is below NewByteSize (empty cells give 0xFF; the last record may reach
    /// beyond NewByteSize; no end-of-file record). False, keeping the records built so far, for
    /// a record size outside 1 … 255 or a record reaching beyond kImageEnd.
    bool ReStructHexData(std::int16_t NewRecordSize, std::int32_t NewByteSize);

    /// Appends the record and copies its data into the image; always true.
    bool AddRecord(const cHexRecord& NewRecord);

    std::vector<cHexRecord>& HexRecords() { return m_hexRecords; }
    const std::vector<cHexRecord>& HexRecords() const { return m_hexRecords; }
    void setHexRecords(std::vector<cHexRecord> NewRecords) { m_hexRecords = std::move(NewRecords); }

    /// Sum of RecordLength over the data records of the list, in bytes.
    std::int32_t ByteSize() const;

    /// Highest absolute address (base + offset) of a data byte placed by the last OpenHexText
    /// and later AddRecord calls, also when it lies outside the image; −1 when there was none.
    std::int64_t HighestDataAddress() const { return m_highestDataAddress; }
    /// True when a data byte placed since the last OpenHexText had no place in the image.
    bool DataOutsideImage() const { return m_dataOutsideImage; }

private:
    bool ParseLines(const std::string& text, std::vector<cHexRecord>& records);
    void ClearRecords() { m_hexRecords.clear(); }
    void ClearData();
    bool StoreRecord(const cHexRecord& record);
    void ResetPlacement();

    std::vector<cHexRecord> m_hexRecords;
    std::vector<HexByte> m_hexData;
    std::int64_t m_base = 0; // from the last extended address record
    std::int64_t m_highestDataAddress = -1;
    bool m_dataOutsideImage = false;
    std::string m_fault;
};
