#include "device/EepromTransfer.h"

#include "base/IntegerConversion.h"
#include "base/ProgressView.h"
#include "device/cSerCom.h"

namespace {

constexpr std::uint8_t kSeriesStart = 0;     ///< "B" 0: a series of EEPROM accesses begins
constexpr std::uint8_t kReadSeriesEnd = 255; ///< "B" 255: a series of EEPROM reads ended

std::string HexAdress(int adress) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[adress % 16]);
        adress /= 16;
    } while (adress != 0);
    return "0x" + digits;
}

} // namespace

EepromTransfer::EepromTransfer(cSerCom& serCom, ProgressView* progress)
    : m_serCom(serCom), m_progress(progress) {}

EepromTransfer::CellResults EepromTransfer::Read(Image& bytes) {
    CellResults results{};
    m_serCom.MarkSeries(kSeriesStart);
    for (int adress = 0; adress < kSize; ++adress) {
        results[adress] = m_serCom.ReadEEPROM(adress, 1) == 1;
        if (!results[adress])
            continue;
        bytes[adress] = m_serCom.getBufferByte();
        Progress(adress);
    }
    m_serCom.MarkSeries(kReadSeriesEnd);
    Progress(0);
    return results;
}

EepromTransfer::CellResults EepromTransfer::Write(const Image& bytes) {
    CellResults results{};
    for (int adress = 0; adress < kSize; ++adress) {
        results[adress] = m_serCom.WriteEEPROM(adress, 1, bytes[adress]) == 1;
        if (results[adress])
            Progress(adress);
    }
    Progress(0);
    return results;
}

void EepromTransfer::Progress(int adress) {
    if (m_progress != nullptr)
        m_progress->UpdateProgress(ToInt16(adress * 100.0 / kSize));
}

std::string EepromTransfer::FailedCells(const CellResults& results) {
    std::string text;
    for (int first = 0; first < kSize; ++first) {
        if (results[first])
            continue;
        int last = first;
        while (last + 1 < kSize && !results[last + 1])
            ++last;
        text += (text.empty() ? "" : ", ") + HexAdress(first);
        if (last > first)
            text += " bis " + HexAdress(last);
        first = last;
    }
    return text;
}
