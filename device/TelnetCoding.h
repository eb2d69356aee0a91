#pragma once

#include "device/SerialSettings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// The client side of a Telnet connection (RFC 854) that carries a serial line with the
/// COM-PORT-OPTION of RFC 2217. Pure byte coding, no socket: data bytes go out with every 0xFF
/// doubled; received bytes are split into data, option requests (answered through Replies) and
/// the server's answers to the line settings. Sequences cut between two chunks are completed
/// by the next chunk.
class TelnetCoding {
public:
    static constexpr std::uint8_t kIac = 255;  ///< "interpret as command"
    static constexpr std::uint8_t kDont = 254; ///< ask the other side to stop an option
    static constexpr std::uint8_t kDo = 253;   ///< ask the other side to use an option
    static constexpr std::uint8_t kWont = 252; ///< refuse or stop an option of one's own
    static constexpr std::uint8_t kWill = 251; ///< offer or confirm an option of one's own
    static constexpr std::uint8_t kSb = 250;   ///< sub-negotiation begins
    static constexpr std::uint8_t kSe = 240;   ///< sub-negotiation ends
    static constexpr std::uint8_t kBinary = 0; ///< 8-bit data without CR/NUL coding (RFC 856)
    static constexpr std::uint8_t kSuppressGoAhead = 3; ///< RFC 858
    static constexpr std::uint8_t kComPortOption = 44;  ///< RFC 2217

    /// The four line settings of RFC 2217; the server answers each with the code plus 100.
    enum Setting : std::uint8_t { kSetBaudRate = 1, kSetDataSize, kSetParity, kSetStopSize };

    /// The opening a client sends: WILL COM-PORT-OPTION, binary transfer both ways, no go-ahead,
    /// then the four line settings.
    std::string Opening(const SerialSettings& settings);
    /// `data` with every 0xFF doubled.
    static std::string Escape(std::string_view data);
    /// Takes received bytes and returns the data among them, 0xFF undoubled.
    std::string Decode(std::string_view received);
    /// What Decode found to answer (option replies); taken, so sent once.
    std::string TakeReplies();

    /// True once the server refused the COM-PORT-OPTION (DONT 44).
    bool ComPortRefused() const { return m_comPortRefused; }
    /// True once the server answered all four settings with the values asked for.
    bool SettingsConfirmed() const;
    /// True once the server answered all four settings, whatever the values.
    bool SettingsAnswered() const;

private:
    enum class State { Data, Command, Option, Sub, SubCommand };

    void TakeByte(std::uint8_t byte, std::string& data);
    void KeepSubByte(std::uint8_t byte);
    void TakeOption(std::uint8_t option);
    void EndSub();
    /// Whether this client uses `option` on its side when asked (DO) and accepts it from the
    /// server (WILL). Echo is refused: it would send every command back as an answer.
    static bool Supported(std::uint8_t option);
    void Reply(std::uint8_t verb, std::uint8_t option);
    static std::string SubNegotiation(Setting setting, std::string_view value);

    State m_state = State::Data;
    std::uint8_t m_verb = 0;
    std::string m_sub; ///< the sub-negotiation being received, 0xFF undoubled
    std::string m_replies;
    /// Per option: this side's option is on / the server's option is on. A request for a state
    /// already in force gets no answer, which ends every negotiation loop (RFC 854).
    std::array<bool, 256> m_mine{};
    std::array<bool, 256> m_his{};
    /// Per option: a request for it was refused (this side's / the server's).
    std::array<bool, 256> m_mineRefused{};
    std::array<bool, 256> m_hisRefused{};
    bool m_comPortRefused = false;
    std::array<std::optional<std::uint32_t>, 5> m_asked{};    ///< by Setting
    std::array<std::optional<std::uint32_t>, 5> m_answered{}; ///< by Setting
};
