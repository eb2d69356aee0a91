#pragma once

#include "firmware/cHexFile.h"

#include <cstdint>
#include <functional>
#include <string>

class Cancellation;
class cSerCom;

/// Moves device firmware between an Intel HEX file and the device: writing goes through the
/// device's bootloader in 128-byte blocks with a byte-by-byte echo check, reading asks the
/// running firmware for every program-memory byte. Every step is reported as one line of German
/// text through OnFirmwareRWMessage (failures through OnFirmwareRWFault when that is set) and
/// the progress in percent through OnFirmwareRWProgress;
/// the object never shows a message box. Each transfer builds its byte image afresh, so one
/// object may run any number of transfers, one after the other.
class cFirmwareRW {
public:
    static constexpr std::int32_t kFlashSize = 32768; ///< program flash of the device, bytes
    static constexpr std::int32_t kBlockSize = 128;   ///< bytes per bootloader block

    /// One line of progress or error text.
    std::function<void(const std::string& NewMessage)> OnFirmwareRWMessage;
    /// When set, the lines that report a failure come here instead of through
    /// OnFirmwareRWMessage (a command line puts them on standard error).
    std::function<void(const std::string& NewMessage)> OnFirmwareRWFault;
    /// Percent done during a transfer (address ÷ size × 100, unrounded); 0 once a run completed.
    std::function<void(double NewProgress)> OnFirmwareRWProgress;

    /// The transfers use `serCom`, which must outlive the object.
    explicit cFirmwareRW(cSerCom& serCom) : m_serCom(serCom) {}

    /// The serial channel the transfers use.
    cSerCom& SerCom() const { return m_serCom; }
    /// The user's request to stop, looked at between the byte reads of ReadHexFile; it must stay
    /// alive while a transfer runs. Writing never stops on it: a half-written flash is worse.
    void setUserCancel(const Cancellation* cancel) { m_cancel = cancel; }
    /// True when the last ReadHexFile stopped because the user cancelled it.
    bool Cancelled() const { return m_cancelled; }
    /// The firmware bytes of the last transfer from address 0 on: for a write every block the
    /// file fills (what the file leaves out as 0xFF) once the file was accepted, for a read the
    /// bytes received before it ended.
    const std::string& Image() const { return m_image; }
    /// The last line the last transfer reported, a step or a failure; empty when none.
    const std::string& LastLine() const { return m_lastLine; }

    /// Writes the file's firmware through the bootloader on the channel's current port: every
    /// block from address 0 through the block holding the file's highest data byte, bytes the
    /// file leaves out as 0xFF, then the reset command. A file that cannot be read, has a bad
    /// line (named with its number), holds no data or places data outside 0 … 7FFF is refused
    /// before anything is sent. A data byte whose echo is missing or wrong is reported and the
    /// transfer goes on, unless 5 such bytes came in a row (it then stops). True when the run
    /// reached the reset command with every echo right; false after a final message saying the
    /// device's firmware differs from the file when an echo was wrong, and false when it
    /// stopped early (after its message, except for a bootloader that sent no identification)
    /// or the channel was busy.
    bool WriteHexFile(const std::string& FileName);

    /// Reads Size program-memory bytes from address 0 on from the running firmware and saves
    /// addresses 0 … 32767 as 2048 records of 16 bytes (no end-of-file record); bytes beyond
    /// Size come out as 0xFF. The first byte not read (no answer, a wrong length, a hang-up)
    /// ends the read without saving, so an existing file stays as it was. True when the file
    /// was saved; false after a message otherwise (busy channel, no or an unknown device, a
    /// byte not read, an address beyond 65535, a failed save, a cancel).
    bool ReadHexFile(std::int32_t Size, const std::string& FileName);

private:
    bool RefusedWhileBusy();
    bool Write(const std::string& fileName);
    bool Read(std::int32_t size, const std::string& fileName);
    bool FitsFlash(const cHexFile& image, const std::string& fileName);
    bool CallBootloader();
    bool IdentifyBootloader();
    bool WriteBlock(const cHexFile& image, std::int32_t adress);
    bool WriteByte(std::int32_t blockAdress, char byte);
    static std::string Block(const cHexFile& image, std::int32_t adress);
    bool IdentifyDevice();
    /// Every block from address 0 through the one holding the image's highest data byte.
    static std::string Blocks(const cHexFile& image);
    void Report(const std::string& text);
    void Fail(const std::string& text);
    void Progress(double percent) const;

    cSerCom& m_serCom;
    const Cancellation* m_cancel = nullptr;
    bool m_cancelled = false;
    int m_echoErrors = 0; ///< of the running write
    int m_echoErrorsInRow = 0;
    std::string m_image;
    std::string m_lastLine;
};
