#include "firmware/cHexRecord.h"

#include "base/Platform.h"
#include "base/Text.h"
#include "base/Translation.h"

#include <stdexcept>

namespace {

constexpr char kMark = ':';
constexpr std::size_t kLengthPos = 1; // 0-based character positions of the fields
constexpr std::size_t kOffsetPos = 3;
constexpr std::size_t kTypPos = 7;
constexpr std::size_t kDataPos = 9;
constexpr std::size_t kCheckSumChars = 2;
constexpr std::uint8_t kDefaultLength = 16;

std::string TooShort(std::size_t need, std::size_t have) {
    return TrArgs(Tr("cHexRecord", "Die Zeile ist zu kurz: %1 Zeichen erwartet, %2 vorhanden."),
                  {std::to_string(need), std::to_string(have)});
}

std::string TooLong(std::size_t need, std::size_t have) {
    return TrArgs(Tr("cHexRecord", "Die Zeile ist zu lang: %1 Zeichen erwartet, %2 vorhanden."),
                  {std::to_string(need), std::to_string(have)});
}

/// Why the character at 0-based `pos` is no hex digit.
std::string NoHexDigit(const std::string& line, std::size_t pos) {
    const auto code = static_cast<unsigned char>(line[pos]);
    const std::string at = std::to_string(pos + 1);
    if (code == 0)
        return TrArgs(Tr("cHexRecord", "Die Zeile enthält ein Nullbyte an Position %1."), {at});
    if (code < 0x20 || code >= 0x7F)
        return TrArgs(Tr("cHexRecord", "Das Zeichen mit dem Code %1 (hex) an Position %2 ist keine "
                                       "Hexadezimalziffer."),
                      {cHexRecord::HexStr(code, 2), at});
    return TrArgs(Tr("cHexRecord", "Das Zeichen '%1' an Position %2 ist keine Hexadezimalziffer."),
                  {std::string(1, line[pos]), at});
}

std::uint8_t ByteAt(const std::string& line, std::size_t pos) {
    return static_cast<std::uint8_t>(HexDigitValue(line[pos]) * 16 + HexDigitValue(line[pos + 1]));
}

void ShowParseError(const std::string& reason) {
    ShowMessage(TrArgs(Tr("cHexRecord", "Fehler in Funktion 'InitByString()'. \r\n%1"), {reason}),
                MsgIcon::Critical, "");
}

} // namespace

cHexRecord::cHexRecord() : m_data(kDefaultLength, 0) {}

bool cHexRecord::InitByString(const std::string& NewRecord) {
    std::string reason;
    const LineFault fault = Read(NewRecord, reason);
    if (fault == LineFault::Unreadable)
        ShowParseError(reason);
    return fault == LineFault::None;
}

std::string cHexRecord::Parse(const std::string& NewRecord) {
    std::string reason;
    Read(NewRecord, reason);
    return reason;
}

cHexRecord::LineFault cHexRecord::Read(const std::string& line, std::string& reason) {
    if (line.empty()) {
        reason = Tr("cHexRecord", "Die Zeile ist leer.");
        return LineFault::Unreadable;
    }
    if (line[0] != kMark) {
        reason = Tr("cHexRecord", "Die Zeile beginnt nicht mit ':'.");
        return LineFault::NoMark;
    }
    for (std::size_t pos = 1; pos < line.size(); ++pos)
        if (HexDigitValue(line[pos]) < 0) {
            reason = NoHexDigit(line, pos);
            return LineFault::Unreadable;
        }
    if (line.size() % 2 == 0) {
        reason = TrArgs(
            Tr("cHexRecord", "Die Zeile enthält eine ungerade Anzahl Hexadezimalziffern (%1)."),
            {std::to_string(line.size() - 1)});
        return LineFault::Unreadable;
    }
    if (line.size() < kLengthPos + 2) {
        reason = TooShort(kDataPos + kCheckSumChars, line.size());
        return LineFault::Unreadable;
    }
    const std::uint8_t length = ByteAt(line, kLengthPos);
    const std::size_t need = kDataPos + 2 * std::size_t{length} + kCheckSumChars;
    if (line.size() != need) {
        reason = line.size() < need ? TooShort(need, line.size()) : TooLong(need, line.size());
        return LineFault::Unreadable;
    }
    m_offset = ByteAt(line, kOffsetPos) * 256 + ByteAt(line, kOffsetPos + 2);
    m_recordTyp = ByteAt(line, kTypPos);
    m_data.resize(length);
    for (std::size_t i = 0; i < length; ++i)
        m_data[i] = ByteAt(line, kDataPos + 2 * i);
    m_checkSum = ByteAt(line, need - kCheckSumChars);
    Filled = false;
    if (SetCheckSum() == m_checkSum)
        return LineFault::None;
    reason = TrArgs(Tr("cHexRecord", "Die Prüfsumme ist falsch: %1 gelesen, %2 berechnet."),
                    {HexStr(m_checkSum, 2), HexStr(SetCheckSum(), 2)});
    return LineFault::CheckSum;
}

void cHexRecord::setRecordLength(std::uint8_t NewLength) {
    if (NewLength == 0)
        throw std::invalid_argument(Tr("cHexRecord", "Datensatzlänge 0 ist nicht zulässig."));
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
        throw std::out_of_range(
            TrArgs(Tr("cHexRecord", "Datenbyte %1 liegt außerhalb des Datensatzes (Länge %2)."),
                   {std::to_string(ByteNr), std::to_string(m_data.size())}));
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
    for (std::uint8_t b : m_data)
        sum += b;
    return static_cast<std::uint8_t>(0u - sum);
}

std::string cHexRecord::RecordStr() const {
    std::string line =
        RecordMark() + HexStr(RecordLength(), 2) + HexStr(m_offset, 4) + HexStr(m_recordTyp, 2);
    for (std::uint8_t b : m_data)
        line += HexStr(b, 2);
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
    if (text.size() < NumberDigits)
        text.insert(0, NumberDigits - text.size(), '0');
    return text;
}
