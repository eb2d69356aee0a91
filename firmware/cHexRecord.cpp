#include "firmware/cHexRecord.h"

#include "base/Platform.h"

#include <stdexcept>

namespace {

constexpr char kMark = ':';
constexpr std::size_t kLengthPos = 1;  // 0-based character positions of the fields
constexpr std::size_t kOffsetPos = 3;
constexpr std::size_t kTypPos = 7;
constexpr std::size_t kDataPos = 9;
constexpr std::size_t kCheckSumChars = 2;
constexpr std::uint8_t kDefaultLength = 16;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

/// Reads two-digit hex fields of one line and remembers the first one that was no number.
class FieldReader {
public:
    explicit FieldReader(const std::string& line) : m_line(line) {}

    std::uint8_t Byte(std::size_t pos) {
        int high = Digit(pos);
        int low = Digit(pos + 1);
        return static_cast<std::uint8_t>(high * 16 + low);
    }

    const std::string& Fault() const { return m_fault; }

private:
    int Digit(std::size_t pos) {
        int value = HexDigit(m_line[pos]);
        if (value >= 0) return value;
        if (m_fault.empty())
            m_fault = "Das Zeichen '" + std::string(1, m_line[pos]) + "' an Position " +
                      std::to_string(pos + 1) + " ist keine Hexadezimalziffer.";
        return 0;
    }

    const std::string& m_line;
    std::string m_fault;
};

std::string TooShort(std::size_t need, std::size_t have) {
    return "Die Zeile ist zu kurz: " + std::to_string(need) + " Zeichen erwartet, " +
           std::to_string(have) + " vorhanden.";
}

void ShowParseError(const std::string& reason) {
    ShowMessage("Fehler in Funktion 'InitByString()'. \r\n" + reason, MsgIcon::Critical, "");
}

} // namespace

cHexRecord::cHexRecord() : m_data(kDefaultLength, 0) {}

bool cHexRecord::InitByString(const std::string& NewRecord) {
    if (NewRecord.empty()) {
        ShowParseError("Die Zeile ist leer.");
        return false;
    }
    if (NewRecord[0] != kMark) return false;
    if (NewRecord.size() < kDataPos) {
        ShowParseError(TooShort(kDataPos + kCheckSumChars, NewRecord.size()));
        return false;
    }
    FieldReader reader(NewRecord);
    std::uint8_t length = reader.Byte(kLengthPos);
    // Data and checksum must not overlap, or the checksum would be read out of the data.
    std::size_t need = kDataPos + 2 * std::size_t{length} + kCheckSumChars;
    if (reader.Fault().empty() && NewRecord.size() < need) {
        ShowParseError(TooShort(need, NewRecord.size()));
        return false;
    }
    std::int32_t offset = reader.Byte(kOffsetPos) * 256 + reader.Byte(kOffsetPos + 2);
    std::uint8_t typ = reader.Byte(kTypPos);
    std::vector<std::uint8_t> data(length);
    for (std::size_t i = 0; i < length && reader.Fault().empty(); ++i)
        data[i] = reader.Byte(kDataPos + 2 * i);
    std::uint8_t checkSum = reader.Byte(NewRecord.size() - kCheckSumChars);
    if (!reader.Fault().empty()) {
        ShowParseError(reader.Fault());
        return false;
    }
    m_offset = offset;
    m_recordTyp = typ;
    m_data = std::move(data);
    m_checkSum = checkSum;
    Filled = false;
    return SetCheckSum() == m_checkSum;
}

void cHexRecord::setRecordLength(std::uint8_t NewLength) {
    if (NewLength == 0) throw std::invalid_argument("Datensatzlänge 0 ist nicht zulässig.");
    m_data.assign(NewLength, 0);
    m_checkSum = SetCheckSum();
}

void cHexRecord::setOffset(std::int32_t NewOffset) {
    m_offset = NewOffset;
    m_checkSum = SetCheckSum();
}

void cHexRecord::setRecordTyp(std::uint8_t NewTyp) {
    m_recordTyp = NewTyp;
    m_checkSum = SetCheckSum();
}

std::size_t cHexRecord::CheckedIndex(std::uint8_t ByteNr) const {
    if (ByteNr >= m_data.size())
        throw std::out_of_range("Datenbyte " + std::to_string(ByteNr) +
                                " liegt außerhalb des Datensatzes (Länge " +
                                std::to_string(m_data.size()) + ").");
    return ByteNr;
}

std::uint8_t cHexRecord::GetRecordData(std::uint8_t ByteNr) const {
    return m_data[CheckedIndex(ByteNr)];
}

std::uint8_t cHexRecord::SetRecordData(std::uint8_t ByteNr, std::uint8_t ByteVal) {
    m_data[CheckedIndex(ByteNr)] = ByteVal;
    m_checkSum = SetCheckSum();
    return ByteVal;
}

std::uint8_t cHexRecord::FillRecordData(std::uint8_t FillByte) {
    m_data.assign(m_data.size(), FillByte);
    Filled = true;
    m_checkSum = SetCheckSum();
    return FillByte;
}

bool cHexRecord::InAdressRange(std::int32_t NewAdr) const {
    return m_recordTyp == kData && m_offset <= NewAdr &&
           NewAdr < m_offset + static_cast<std::int32_t>(m_data.size());
}

std::uint8_t cHexRecord::SetCheckSum() const {
    std::uint32_t sum = static_cast<std::uint32_t>(m_data.size()) +
                        static_cast<std::uint32_t>(m_offset / 256) +
                        static_cast<std::uint32_t>(m_offset % 256) + m_recordTyp;
    for (std::uint8_t b : m_data) sum += b;
    return static_cast<std::uint8_t>(0u - sum);
}

std::string cHexRecord::RecordStr() const {
    std::string line = RecordMark() + HexStr(RecordLength(), 2) + HexStr(m_offset, 4) +
                       HexStr(m_recordTyp, 2);
    for (std::uint8_t b : m_data) line += HexStr(b, 2);
    return line + HexStr(m_checkSum, 2);
}

std::string cHexRecord::HexStr(std::int32_t Value, std::uint8_t NumberDigits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto rest = static_cast<std::uint32_t>(Value);
    std::string text;
    do {
        text.insert(text.begin(), kDigits[rest % 16]);
        rest /= 16;
    } while (rest != 0);
    if (text.size() < NumberDigits) text.insert(0, NumberDigits - text.size(), '0');
    return text;
}
