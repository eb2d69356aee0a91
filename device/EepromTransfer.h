#pragma once

#include "device/DeviceProtocol.h"

#include <array>
#include <cstdint>
#include <string>

class Cancellation;
class cSerCom;
class ProgressView;

/// Reads and writes the device's 512 EEPROM bytes one cell at a time, as the service page's
/// EEPROM grid does: a cell that fails is skipped and the rest is still done, and the result
/// tells which cells went through, so a grid can mark the others. A device that leaves
/// kMaxUnansweredInRow cells in a row unanswered has stopped listening: the loop ends there and
/// the cells after it count as not transferred.
class EepromTransfer {
public:
    static constexpr int kSize = static_cast<int>(DeviceProtocol::kEepromSize);
    using Image = std::array<std::uint8_t, kSize>;
    /// True for every cell that was transferred.
    using CellResults = std::array<bool, kSize>;
    static constexpr int kMaxUnansweredInRow = 8;

    /// The channel (with the device's port current), the progress display and the user's
    /// cancellation, which must stay alive while a transfer runs; no progress is shown and no
    /// cancellation is looked at without them.
    explicit EepromTransfer(cSerCom& serCom, ProgressView* progress = nullptr,
                            const Cancellation* cancel = nullptr);

    /// Reads every cell into `bytes` between "B" 0 and "B" 255 (replies not evaluated). A cell
    /// that is not answered keeps its value in `bytes`. After each cell read the progress shows
    /// address × 100 ÷ 512, rounded half to even; at the end it goes back to 0. A cancelled
    /// read leaves `bytes` as they were.
    CellResults Read(Image& bytes);
    /// Writes every cell with its echo check, without "B" commands. A cell the device does not
    /// confirm is skipped. Progress as for Read, after each cell written. A cancelled write
    /// stops before the next cell; the cells before it stay written.
    CellResults Write(const Image& bytes);
    /// True when the last Read or Write stopped because the user cancelled it.
    bool Cancelled() const { return m_cancelled; }
    /// Number of cells that went through.
    static int Transferred(const CellResults& results);

    /// The cells that failed, as "0x1F, 0x100 bis 0x1FF" (runs of neighbours joined); empty
    /// when none did.
    static std::string FailedCells(const CellResults& results);

private:
    /// True when the loop must end before the next cell: the user cancelled, or the device
    /// stopped answering.
    bool Stop(int unansweredInRow);
    void Progress(int adress);

    cSerCom& m_serCom;
    ProgressView* m_progress;
    const Cancellation* m_cancel;
    bool m_cancelled = false;
};
