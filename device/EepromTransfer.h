#pragma once

#include <array>
#include <cstdint>
#include <string>

class cSerCom;
class ProgressView;

/// Reads and writes the device's 512 EEPROM bytes one cell at a time, as the service page's
/// EEPROM grid does: a cell that fails is skipped and the rest is still done, and the result
/// tells which cells went through, so a grid can mark the others.
class EepromTransfer {
public:
    static constexpr int kSize = 512; ///< EEPROM cells, addresses 0 … 511
    using Image = std::array<std::uint8_t, kSize>;
    /// True for every cell that was transferred.
    using CellResults = std::array<bool, kSize>;

    /// The channel (with the device's port current) and the progress display, which must stay
    /// alive while a transfer runs; no progress is shown without one.
    explicit EepromTransfer(cSerCom& serCom, ProgressView* progress = nullptr);

    /// Reads every cell into `bytes` between "B" 0 and "B" 255 (replies not evaluated). A cell
    /// that is not answered keeps its value in `bytes`. After each cell read the progress shows
    /// address × 100 ÷ 512, rounded half to even; at the end it goes back to 0.
    CellResults Read(Image& bytes);
    /// Writes every cell with its echo check, without "B" commands. A cell the device does not
    /// confirm is skipped. Progress as for Read, after each cell written.
    CellResults Write(const Image& bytes);

    /// The cells that failed, as "0x1F, 0x100 bis 0x1FF" (runs of neighbours joined); empty
    /// when none did.
    static std::string FailedCells(const CellResults& results);

private:
    void Progress(int adress);

    cSerCom& m_serCom;
    ProgressView* m_progress;
};
