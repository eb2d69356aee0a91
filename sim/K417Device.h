#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

/// The command interpreter of a K417 level transmitter: its EEPROM, its program flash, its
/// firmware commands and its bootloader. Bytes go in one at a time; each byte returns the answer
/// it completes (often none). Not thread-safe; K417Simulator serialises the access.
class K417Device {
public:
    static constexpr std::size_t kEepromSize = 512;
    static constexpr std::size_t kFlashSize = 32768;
    static constexpr std::size_t kVariantAddress = 7;   ///< hardware variant
    static constexpr std::size_t kContrastAddress = 20; ///< display contrast
    static constexpr std::size_t kBlockSize = 128;      ///< bootloader flash block
    using EepromImage = std::array<std::uint8_t, kEepromSize>;
    using FlashImage = std::array<std::uint8_t, kFlashSize>;

    /// Live values answered to "Q", "i" and "q" (least significant byte first).
    struct MeasuredValues {
        std::uint16_t current = 12000;  ///< "Q": output current in µA
        std::int32_t scaled = 12345;    ///< "i": measured value in scale units × factor
        std::uint16_t converter = 2048; ///< "q": raw A/D converter value
    };

    /// Erased EEPROM (FF) holding only the variant byte and a middle contrast.
    static EepromImage BlankEeprom(std::uint8_t variant = 7);

    K417Device();

    /// Takes one received byte; returns the answer it completes, empty when none is due.
    std::string Receive(std::uint8_t byte);

    void SetEeprom(const EepromImage& image) { m_eeprom = image; }
    const EepromImage& Eeprom() const { return m_eeprom; }
    void SetFlash(const FlashImage& image) { m_flash = image; }
    const FlashImage& Flash() const { return m_flash; }
    /// Identification answered to "I" in the firmware (a zero byte is appended).
    void SetIdentification(std::string text) { m_identification = std::move(text); }
    void SetMeasuredValues(const MeasuredValues& values) { m_measured = values; }

    /// "c" and "L" for this EEPROM address and above stay unanswered; empty: all answered.
    void SetNoAnswerFrom(std::optional<int> adress) { m_noAnswerFrom = adress; }
    /// "L" for this EEPROM address stores nothing and echoes the inverted byte.
    void SetWrongEchoAt(std::optional<int> adress) { m_wrongEchoAt = adress; }
    /// In the bootloader, the data byte for this flash address echoes inverted.
    void SetWrongFlashEchoAt(std::optional<int> adress) { m_wrongFlashEchoAt = adress; }

    /// First byte of the command the last Receive completed; 0 for a bootloader data byte and
    /// when the byte completed nothing.
    char LastCommand() const { return m_lastCommand; }
    /// True when the last Receive took the final data byte of a bootloader block.
    bool LastClosedBlock() const { return m_closedBlock; }

    /// Complete commands received so far with this first byte (bootloader ones included).
    int CommandCount(char letter) const;
    bool InBootloader() const { return m_inBootloader; }

private:
    std::string Firmware(const std::string& frame);
    std::string Bootloader(const std::string& frame);
    std::string BlockData(std::uint8_t byte);
    std::size_t FrameLength(char letter) const;
    std::string ReadEeprom(int adress) const;
    std::string WriteEeprom(int adress, std::uint8_t value);

    EepromImage m_eeprom{};
    FlashImage m_flash{};
    std::string m_identification = "NIVOLANTIS K417 V2.1";
    MeasuredValues m_measured;
    std::optional<int> m_noAnswerFrom;
    std::optional<int> m_wrongEchoAt;
    std::optional<int> m_wrongFlashEchoAt;
    std::map<char, int> m_counts;
    std::string m_frame; ///< bytes of the command being received
    bool m_inBootloader = false;
    char m_lastCommand = 0;
    bool m_closedBlock = false;
    std::optional<std::size_t> m_block; ///< start address of the bootloader block being filled
    std::string m_blockData;
};
