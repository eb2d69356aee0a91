#include "sim/K417Device.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

constexpr std::uint8_t kContrastSelector = 92; ///< "S" 92 value: set the display contrast
constexpr std::uint8_t kEnterBootloader = 0;   ///< "R" 0: start the bootloader
constexpr std::uint8_t kMiddleContrast = 0x80;
constexpr char kBootloaderIdentification[] = "NIVOLANTIS K417 Bootloader V1.0";

std::string LittleEndian(std::uint32_t value, std::size_t count) {
    std::string bytes;
    for (std::size_t k = 0; k < count; ++k, value >>= 8)
        bytes += static_cast<char>(value & 0xFF);
    return bytes;
}

std::string Byte(std::uint8_t value) {
    return std::string(1, static_cast<char>(value));
}

std::uint8_t At(const std::string& frame, std::size_t index) {
    return static_cast<std::uint8_t>(frame[index]);
}

} // namespace

K417Device::EepromImage K417Device::BlankEeprom(std::uint8_t variant) {
    EepromImage image;
    image.fill(0xFF);
    image[kVariantAddress] = variant;
    image[kContrastAddress] = kMiddleContrast;
    return image;
}

K417Device::K417Device() : m_eeprom(BlankEeprom()) {
    m_flash.fill(0xFF);
}

int K417Device::CommandCount(char letter) const {
    const auto found = m_counts.find(letter);
    return found == m_counts.end() ? 0 : found->second;
}

std::size_t K417Device::FrameLength(char letter) const {
    if (m_inBootloader) {
        switch (letter) {
        case 'I':
            return 1;
        case '#': // address high, low
        case '3':
            return 3; // two zero bytes
        default:
            return 0;
        }
    }
    switch (letter) {
    case 'I':
    case 'a':
    case 'Q':
    case 'i':
    case 'q':
        return 1;
    case 'B': // one argument byte
    case 'R':
        return 2;
    case 'c': // address high, low
    case 's':
    case 'S':
        return 3; // selector, value
    case 'L':
        return 4; // address high, low, value
    default:
        return 0;
    }
}

std::string K417Device::Receive(std::uint8_t byte) {
    m_lastCommand = 0;
    m_closedBlock = false;
    if (m_block)
        return BlockData(byte);
    if (m_frame.empty() && FrameLength(static_cast<char>(byte)) == 0)
        return {}; // noise between commands
    m_frame += static_cast<char>(byte);
    if (m_frame.size() < FrameLength(m_frame.front()))
        return {};
    const std::string frame = std::exchange(m_frame, {});
    ++m_counts[frame.front()];
    m_lastCommand = frame.front();
    return m_inBootloader ? Bootloader(frame) : Firmware(frame);
}

std::string K417Device::Firmware(const std::string& frame) {
    const int adress = frame.size() >= 3 ? At(frame, 1) * 256 + At(frame, 2) : 0;
    switch (frame.front()) {
    case 'I':
        return m_identification + '\0';
    case 'c':
        return ReadEeprom(adress);
    case 'L':
        return WriteEeprom(adress, At(frame, 3));
    case 's':
        return Byte(static_cast<std::size_t>(adress) < kFlashSize ? m_flash[adress] : 0xFF);
    case 'S':
        if (At(frame, 1) == kContrastSelector)
            m_eeprom[kContrastAddress] = At(frame, 2);
        return Byte(At(frame, 2));
    case 'Q':
        return LittleEndian(m_measured.current, 2);
    case 'i':
        return LittleEndian(static_cast<std::uint32_t>(m_measured.scaled), 4);
    case 'q':
        return LittleEndian(m_measured.converter, 2);
    case 'R':
        m_inBootloader = At(frame, 1) == kEnterBootloader;
        return frame.substr(0, 1);
    case 'B':
        return frame.substr(1, 1);
    default:
        return {}; // "a" closes a write series without an answer
    }
}

std::string K417Device::Bootloader(const std::string& frame) {
    switch (frame.front()) {
    case 'I':
        return std::string(kBootloaderIdentification) + '\0';
    case '#':
        m_block = static_cast<std::size_t>(At(frame, 1) * 256 + At(frame, 2));
        m_blockData.clear();
        return frame;
    default: // "3": reset into the firmware
        m_inBootloader = false;
        return frame;
    }
}

std::string K417Device::BlockData(std::uint8_t byte) {
    const std::size_t adress = *m_block + m_blockData.size();
    m_blockData += static_cast<char>(byte);
    if (m_blockData.size() < kBlockSize)
        return Byte(m_wrongFlashEchoAt == static_cast<int>(adress)
                        ? static_cast<std::uint8_t>(~byte)
                        : byte);
    // Last byte: program the block and answer the 16-bit sum of its bytes.
    if (*m_block + kBlockSize <= kFlashSize)
        std::copy(m_blockData.begin(), m_blockData.end(), m_flash.begin() + *m_block);
    const auto sum =
        std::accumulate(m_blockData.begin(), m_blockData.end(), 0u, [](unsigned total, char c) {
            return total + static_cast<std::uint8_t>(c);
        });
    m_block.reset();
    m_closedBlock = true;
    return LittleEndian(sum, 2);
}

std::string K417Device::ReadEeprom(int adress) const {
    if (m_noAnswerFrom && adress >= *m_noAnswerFrom)
        return {};
    return Byte(m_eeprom[adress % kEepromSize]); // the chip decodes nine address bits
}

std::string K417Device::WriteEeprom(int adress, std::uint8_t value) {
    if (m_noAnswerFrom && adress >= *m_noAnswerFrom)
        return {};
    if (m_wrongEchoAt == adress)
        return Byte(static_cast<std::uint8_t>(~value));
    m_eeprom[adress % kEepromSize] = value;
    return Byte(value);
}
