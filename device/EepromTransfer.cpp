#include "device/EepromTransfer.h"

#include "base/Cancellation.h"
#include "base/IntegerConversion.h"
#include "base/ProgressView.h"
#include "base/Translation.h"
#include "device/DeviceProtocol.h"
#include "device/cSerCom.h"

#include <algorithm>

namespace {

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

EepromTransfer::EepromTransfer(cSerCom& serCom, ProgressView* progress, const Cancellation* cancel)
    : m_serCom(serCom), m_progress(progress), m_cancel(cancel) {}

EepromTransfer::CellResults EepromTransfer::Read(Image& bytes) {
    CellResults results{};
    Image read = bytes;
    m_cancelled = false;
    m_serCom.MarkSeries(DeviceProtocol::kSeriesStart);
    int unanswered = 0;
    for (int adress = 0; adress < kSize && !Stop(unanswered); ++adress) {
        results[adress] = m_serCom.ReadEEPROM(adress, 1) == 1;
        if (!results[adress]) {
            ++unanswered;
            continue;
        }
        unanswered = 0;
        read[adress] = m_serCom.getBufferByte();
        Progress(adress);
    }
    m_serCom.MarkSeries(DeviceProtocol::kReadSeriesEnd);
    Progress(0);
    if (!m_cancelled)
        bytes = read;
    return results;
}

EepromTransfer::CellResults EepromTransfer::Write(const Image& bytes) {
    CellResults results{};
    m_cancelled = false;
    int unconfirmed = 0;
    for (int adress = 0; adress < kSize && !Stop(unconfirmed); ++adress) {
        results[adress] = m_serCom.WriteEEPROM(adress, 1, bytes[adress]) == 1;
        unconfirmed = results[adress] ? 0 : unconfirmed + 1;
        if (results[adress])
            Progress(adress);
    }
    Progress(0);
    return results;
}

bool EepromTransfer::Stop(int unansweredInRow) {
    m_cancelled = m_cancel != nullptr && m_cancel->Requested();
    return m_cancelled || unansweredInRow >= kMaxUnansweredInRow;
}

int EepromTransfer::Transferred(const CellResults& results) {
    return static_cast<int>(std::count(results.begin(), results.end(), true));
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
        text += text.empty() ? "" : ", ";
        text += last > first
                    ? TrArgs(Tr("EepromTransfer", "%1 bis %2"), {HexAdress(first), HexAdress(last)})
                    : HexAdress(first);
        first = last;
    }
    return text;
}
