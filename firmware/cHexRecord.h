#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// One line of an Intel HEX file: ":" LL AAAA TT data… CC, all fields as hexadecimal digits.
/// Setting a field other than CheckSum stores the recomputed checksum; CheckSum keeps whatever
/// was read or set, so a record can carry a wrong one.
class cHexRecord {
public:
    static constexpr std::uint8_t kData = 0;            ///< record type: data bytes
    static constexpr std::uint8_t kEndOfFile = 1;       ///< record type: end of file
    static constexpr std::uint8_t kExtendedSegment = 2; ///< record type: base = value × 16
    static constexpr std::uint8_t kExtendedLinear = 4;  ///< record type: base = value × 65536

    /// A data record of 16 zero bytes at offset 0 with stored checksum 0.
    cHexRecord();

    /// Parses one line without its line end; upper- and lower-case hex digits are accepted.
    /// The line must be ":" followed by exactly 10 + 2 × length hex digits. False without a
    /// message when the line does not start with ":" (the record is unchanged) or when its
    /// checksum is wrong (the fields stay as read). A line that cannot be read (empty, too
    /// short or too long for its length, an odd digit count, a character that is no hex
    /// digit) shows the critical message "Fehler in Funktion 'InitByString()'. " CR LF + the
    /// reason, leaves the record unchanged and returns false.
    bool InitByString(const std::string& NewRecord);
    /// InitByString without any message: the reason the line is no valid record (one German
    /// sentence), empty when it is one.
    std::string Parse(const std::string& NewRecord);

    /// Always ":".
    std::string RecordMark() const { return ":"; }

    std::uint8_t RecordLength() const { return static_cast<std::uint8_t>(m_data.size()); }
    /// Replaces the data by NewLength zero bytes. 0 throws std::invalid_argument.
    void setRecordLength(std::uint8_t NewLength);

    /// Load address of the first data byte; 0 to 65535 in a file, up to the image end when cut
    /// from an image.
    std::int32_t Offset() const { return m_offset; }
    void setOffset(std::int32_t NewOffset);

    std::uint8_t RecordTyp() const { return m_recordTyp; }
    void setRecordTyp(std::uint8_t NewTyp);

    /// The checksum as it stands (read, computed or set).
    std::uint8_t CheckSum() const { return m_checkSum; }
    /// Stores the value unchecked.
    void setCheckSum(std::uint8_t NewCheckSum) { m_checkSum = NewCheckSum; }

    /// Data byte 0 … RecordLength − 1; another index throws std::out_of_range.
    std::uint8_t GetRecordData(std::uint8_t ByteNr) const;
    /// Stores the byte and the recomputed checksum; returns the byte. Index as GetRecordData.
    std::uint8_t SetRecordData(std::uint8_t ByteNr, std::uint8_t ByteVal);
    /// Sets every data byte, sets Filled and stores the recomputed checksum; returns FillByte.
    std::uint8_t FillRecordData(std::uint8_t FillByte);

    /// True for a data record whose bytes cover the address.
    bool InAdressRange(std::int32_t NewAdr) const;

    /// The checksum computed from the current fields (not stored): the low byte of the two's
    /// complement of the sum of length, both offset bytes, type and data.
    std::uint8_t SetCheckSum() const;

    /// The record as one line without line end, with the stored checksum.
    std::string RecordStr() const;

    /// Upper-case hex digits of Value (its 32-bit two's complement when negative), padded with
    /// leading zeros to NumberDigits and never cut: HexStr(10, 4) = "000A", HexStr(0x1ABCD, 4) =
    /// "1ABCD", HexStr(0, 0) = "0".
    static std::string HexStr(std::int32_t Value, std::uint8_t NumberDigits);

    /// True while the data bytes still hold the FillRecordData preset, i.e. an image cut did not
    /// find all of them; false after InitByString.
    bool Filled = false;

private:
    enum class LineFault { None, NoMark, Unreadable, CheckSum };
    LineFault Read(const std::string& line, std::string& reason);
    std::size_t CheckedIndex(std::uint8_t ByteNr) const;

    std::int32_t m_offset = 0;
    std::uint8_t m_recordTyp = kData;
    std::uint8_t m_checkSum = 0;
    std::vector<std::uint8_t> m_data;
};
