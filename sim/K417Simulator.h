#pragma once

#include "sim/K417Device.h"
#include "sim/PseudoTerminal.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

/// Faults the simulated device can show, each switched on by itself.
struct K417Faults {
    bool silent = false;                   ///< takes every byte, answers nothing
    std::optional<int> noAnswerFrom{};     ///< "c"/"L" from this EEPROM address on go unanswered
    std::optional<int> wrongEchoAt{};      ///< "L" at this EEPROM address stores nothing and
                                           ///< echoes the inverted byte
    std::optional<int> wrongFlashEchoAt{}; ///< bootloader data byte for this flash address
                                           ///< echoes inverted
    std::string garbage{};                 ///< when not empty, sent instead of every answer
    double answerDelayS = 0;               ///< every answer leaves this many seconds later
    std::optional<std::size_t> extraByteFrom{}; ///< from this answer on (1: the first after
                                                ///< SetFaults) every answer brings kExtraByte more
    std::optional<std::size_t> hangUpAfter{};   ///< the line is closed once this many further bytes
                                                ///< came in (an answer due at once still goes out)
    // The faults below, silent, garbage and answerDelayS touch only the answers numbered faultyFrom
    // to faultyUntil (1: the first answer after SetFaults; no end: all later ones).
    std::size_t faultyFrom = 1;
    std::optional<std::size_t> faultyUntil{};
    std::string strayBefore{}; ///< sent just before each faulty answer
    std::string strayAfter{};  ///< sent just after each faulty answer
    bool duplicate = false;    ///< each faulty answer goes out twice
    double pieceGapS = 0;      ///< each faulty answer leaves byte by byte, this many seconds apart
    // A slow device, sound otherwise: these hold back every answer concerned.
    double eepromWriteS = 0; ///< each "L" takes this long before its echo
    double flashBlockS = 0;  ///< programming a bootloader block takes this long
};

/// A K417 on a pseudo-terminal: programs open SlavePath() as the device's serial port. Serves
/// on a thread of its own (Start) or in the caller's thread (Serve). Every accessor is
/// thread-safe. Without wire timing an answer leaves as soon as its command is complete; with
/// it each byte takes 10 bit times of the baud rate in both directions.
class K417Simulator {
public:
    static constexpr std::uint8_t kExtraByte = 0xA5; ///< appended by the extra-byte fault
    /// Received bytes kept for Received: a peer that never stops sending fills no memory.
    static constexpr std::size_t kReceivedKept = 1 << 20;

    /// Opens the pseudo-terminal; throws std::runtime_error when the system refuses.
    K417Simulator();
    /// Stops serving and closes the line.
    ~K417Simulator();
    K417Simulator(const K417Simulator&) = delete;
    K417Simulator& operator=(const K417Simulator&) = delete;

    /// The device file to open, such as "/dev/pts/4".
    const std::string& SlavePath() const { return m_pty.SlavePath(); }

    /// Serves on a background thread until the object ends.
    void Start();
    /// Serves in the calling thread until RequestStop or a hang-up fault.
    void Serve();
    /// Ends Serve soon; safe to call from a signal handler.
    void RequestStop();

    void SetEeprom(const K417Device::EepromImage& image);
    K417Device::EepromImage Eeprom() const;
    void SetFlash(const K417Device::FlashImage& image);
    K417Device::FlashImage Flash() const;
    void SetIdentification(std::string text);
    void SetMeasuredValues(const K417Device::MeasuredValues& values);
    /// Replaces every fault setting; the hang-up count starts now.
    void SetFaults(const K417Faults& faults);
    /// Wire timing at this baud rate (10 bits per byte); 0 switches it off.
    void SetBaudRate(int baud);

    /// Complete commands received with this first byte.
    int CommandCount(char letter) const;
    bool InBootloader() const;
    /// The last kReceivedKept bytes received, in order (all of them in any test exchange).
    std::string Received() const;
    void ClearReceived();
    /// True once the hang-up fault closed the line.
    bool HungUp() const { return m_hungUp; }

private:
    struct Timed {
        std::int64_t due; ///< monotonic nanoseconds
        std::string bytes;
    };

    void WaitForWork();
    void TakeInput();
    bool ProcessInput();
    void Answer(std::string answer, std::int64_t at);
    void FlushDueOutput(std::int64_t now);
    void Wake();

    PseudoTerminal m_pty;
    int m_wake[2] = {-1, -1}; ///< pipe that interrupts the wait of Serve
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_hungUp{false};

    mutable std::mutex m_mutex; ///< guards everything below
    K417Device m_device;
    K417Faults m_faults;
    std::optional<std::size_t> m_bytesToHangUp;
    std::size_t m_answers = 0; ///< answers due since SetFaults
    std::int64_t m_byteNs = 0; ///< line time of one byte; 0 without wire timing
    std::string m_received;
    std::deque<Timed> m_input;  ///< received, processed when fully on the line
    std::deque<Timed> m_output; ///< answers, sent when due
    std::int64_t m_rxFree = 0;  ///< when the receiving line is free again
    std::int64_t m_txFree = 0;  ///< when the sending line is free again
};
