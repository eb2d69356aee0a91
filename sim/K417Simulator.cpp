#include "sim/K417Simulator.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;
constexpr std::int64_t kBitsPerByte = 10;        ///< start bit, 8 data bits, stop bit
constexpr std::int64_t kSleepNs = 3'000'000;     ///< deadlines this close are slept to
constexpr std::int64_t kPollEarlyNs = 2'000'000; ///< poll() wakes this much earlier
constexpr std::int64_t kSpinNs = 150'000; ///< a sleep's last stretch is spun: wake-ups are late

std::int64_t NowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * kNsPerSecond + now.tv_nsec;
}

timespec ToTimespec(std::int64_t ns) {
    return {static_cast<std::time_t>(ns / kNsPerSecond), static_cast<long>(ns % kNsPerSecond)};
}

} // namespace

K417Simulator::K417Simulator() {
    if (::pipe2(m_wake, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("simulator: pipe: ") + std::strerror(errno));
}

K417Simulator::~K417Simulator() {
    RequestStop();
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_wake[0]);
    ::close(m_wake[1]);
}

void K417Simulator::Start() {
    m_thread = std::thread([this] { Serve(); });
}

void K417Simulator::RequestStop() {
    m_stop = true;
    Wake();
}

void K417Simulator::Wake() {
    const char signal = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(m_wake[1], &signal, 1);
}

void K417Simulator::Serve() {
    // Sleeps end on time to the microsecond, not after the default 50 µs timer slack.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    while (!m_stop) {
        const std::int64_t now = NowNs();
        std::unique_lock lock(m_mutex);
        const bool hangUp = ProcessInput();
        FlushDueOutput(now);
        if (hangUp) {
            m_hungUp = true; // before the line drops: whoever sees the hang-up sees the flag
            m_pty.HangUp();
            return;
        }
        lock.unlock();
        WaitForWork();
    }
}

void K417Simulator::WaitForWork() {
    std::optional<std::int64_t> deadline;
    {
        std::lock_guard lock(m_mutex);
        if (!m_output.empty())
            deadline = m_output.front().due;
    }
    const std::int64_t now = NowNs();
    if (deadline && *deadline - now <= kSleepNs) {
        const timespec until = ToTimespec(*deadline - kSpinNs);
        ::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr);
        while (NowNs() < *deadline) {
        }
        return;
    }
    pollfd fds[] = {{m_pty.MasterFd(), POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    const timespec timeout = ToTimespec(deadline ? *deadline - now - kPollEarlyNs : 0);
    if (::ppoll(fds, 2, deadline ? &timeout : nullptr, nullptr) <= 0)
        return;
    char drained[64];
    while (::read(m_wake[0], drained, sizeof drained) > 0) {
    }
    if ((fds[0].revents & POLLIN) != 0)
        TakeInput();
    else if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0)
        m_stop = true; // the line is gone; nothing left to serve
}

void K417Simulator::TakeInput() {
    char chunk[4096];
    const ssize_t got = ::read(m_pty.MasterFd(), chunk, sizeof chunk);
    if (got <= 0)
        return;
    const std::int64_t now = NowNs();
    std::lock_guard lock(m_mutex);
    m_received.append(chunk, static_cast<std::size_t>(got));
    if (m_received.size() > 2 * kReceivedKept) // cut seldom, so that keeping stays cheap
        m_received.erase(0, m_received.size() - kReceivedKept);
    // With wire timing the last byte is on the line only `got` byte times after the first.
    m_rxFree = std::max(m_rxFree, now) + got * m_byteNs;
    m_input.push_back({m_byteNs != 0 ? m_rxFree : now, std::string(chunk, got)});
}

// Input is answered at once, but the answer leaves only when the command would have been fully
// on the line: one precise wake-up per exchange instead of two keeps the simulator's own delay
// small.
bool K417Simulator::ProcessInput() {
    while (!m_input.empty()) {
        Timed& chunk = m_input.front();
        for (std::size_t i = 0; i < chunk.bytes.size(); ++i) {
            Answer(m_device.Receive(static_cast<std::uint8_t>(chunk.bytes[i])), chunk.due);
            if (m_bytesToHangUp && --*m_bytesToHangUp == 0)
                return true;
        }
        m_input.pop_front();
    }
    return m_bytesToHangUp == std::size_t{0};
}

void K417Simulator::Answer(std::string answer, std::int64_t at) {
    if (answer.empty())
        return;
    ++m_answers;
    const bool faulty = m_answers >= m_faults.faultyFrom &&
                        (!m_faults.faultyUntil || m_answers <= *m_faults.faultyUntil);
    if (faulty && m_faults.silent)
        return;
    double laterS = 0;
    if (m_device.LastCommand() == 'L')
        laterS += m_faults.eepromWriteS;
    if (m_device.LastClosedBlock())
        laterS += m_faults.flashBlockS;
    if (faulty) {
        if (!m_faults.garbage.empty())
            answer = m_faults.garbage;
        answer = m_faults.strayBefore + answer + m_faults.strayAfter;
        if (m_faults.duplicate)
            answer += answer;
        laterS += m_faults.answerDelayS;
    }
    if (m_faults.extraByteFrom && m_answers >= *m_faults.extraByteFrom)
        answer += static_cast<char>(kExtraByte);
    std::int64_t due = at;
    if (m_byteNs != 0) {
        m_txFree = std::max(m_txFree, at) + static_cast<std::int64_t>(answer.size()) * m_byteNs;
        due = m_txFree;
    }
    due += static_cast<std::int64_t>(laterS * kNsPerSecond);
    if (!m_output.empty()) // the line keeps the order; with wire timing an answer takes its time
        due = std::max(due,
                       m_output.back().due + static_cast<std::int64_t>(answer.size()) * m_byteNs);
    if (faulty && m_faults.pieceGapS > 0) {
        const auto gapNs = static_cast<std::int64_t>(m_faults.pieceGapS * kNsPerSecond);
        for (std::size_t i = 0; i < answer.size(); ++i)
            m_output.push_back({due + static_cast<std::int64_t>(i) * gapNs, answer.substr(i, 1)});
        return;
    }
    m_output.push_back({due, std::move(answer)});
}

void K417Simulator::FlushDueOutput(std::int64_t now) {
    while (!m_output.empty() && m_output.front().due <= now) {
        const std::string& bytes = m_output.front().bytes;
        // Nobody reading and the buffer full: the bytes are lost, as on a real line.
        [[maybe_unused]] const ssize_t ignored =
            ::write(m_pty.MasterFd(), bytes.data(), bytes.size());
        m_output.pop_front();
    }
}

void K417Simulator::SetEeprom(const K417Device::EepromImage& image) {
    std::lock_guard lock(m_mutex);
    m_device.SetEeprom(image);
}

K417Device::EepromImage K417Simulator::Eeprom() const {
    std::lock_guard lock(m_mutex);
    return m_device.Eeprom();
}

void K417Simulator::SetFlash(const K417Device::FlashImage& image) {
    std::lock_guard lock(m_mutex);
    m_device.SetFlash(image);
}

K417Device::FlashImage K417Simulator::Flash() const {
    std::lock_guard lock(m_mutex);
    return m_device.Flash();
}

void K417Simulator::SetIdentification(std::string text) {
    std::lock_guard lock(m_mutex);
    m_device.SetIdentification(std::move(text));
}

void K417Simulator::SetMeasuredValues(const K417Device::MeasuredValues& values) {
    std::lock_guard lock(m_mutex);
    m_device.SetMeasuredValues(values);
}

void K417Simulator::SetFaults(const K417Faults& faults) {
    {
        std::lock_guard lock(m_mutex);
        m_faults = faults;
        m_bytesToHangUp = faults.hangUpAfter;
        m_answers = 0;
        m_device.SetNoAnswerFrom(faults.noAnswerFrom);
        m_device.SetWrongEchoAt(faults.wrongEchoAt);
        m_device.SetWrongFlashEchoAt(faults.wrongFlashEchoAt);
    }
    Wake(); // a hang-up after 0 bytes happens now
}

void K417Simulator::SetBaudRate(int baud) {
    std::lock_guard lock(m_mutex);
    m_byteNs = baud > 0 ? kBitsPerByte * kNsPerSecond / baud : 0;
}

int K417Simulator::CommandCount(char letter) const {
    std::lock_guard lock(m_mutex);
    return m_device.CommandCount(letter);
}

bool K417Simulator::InBootloader() const {
    std::lock_guard lock(m_mutex);
    return m_device.InBootloader();
}

std::string K417Simulator::Received() const {
    std::lock_guard lock(m_mutex);
    return m_received.substr(m_received.size() - std::min(m_received.size(), kReceivedKept));
}

void K417Simulator::ClearReceived() {
    std::lock_guard lock(m_mutex);
    m_received.clear();
}
