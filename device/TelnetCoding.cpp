#include "device/TelnetCoding.h"

#include <utility>

namespace {

constexpr std::uint8_t kAnswerOffset = 100; ///< a server answers setting n with n + 100
/// The longest sub-negotiation kept: the answers of RFC 2217 are 3 to 6 bytes; a longer one
/// (a server's signature text, or one never ended) is read past and ignored.
constexpr std::size_t kSubLimit = 64;

/// RFC 2217 parity codes: 1 none, 2 odd, 3 even, 4 mark, 5 space.
std::uint32_t ParityCode(char parity) {
    switch (parity) {
    case 'o':
        return 2;
    case 'e':
        return 3;
    case 'm':
        return 4;
    case 's':
        return 5;
    default:
        return 1;
    }
}

/// RFC 2217 stop codes: 1 one, 2 two, 3 one and a half (two stop bits with 5 data bits).
std::uint32_t StopCode(const SerialSettings& settings) {
    if (settings.stopBits != 2)
        return 1;
    return settings.dataBits == 5 ? 3 : 2;
}

std::string BigEndian(std::uint32_t value, int bytes) {
    std::string coded;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        coded += static_cast<char>((value >> shift) & 0xFF);
    return coded;
}

std::string Command(std::uint8_t verb, std::uint8_t option) {
    return {static_cast<char>(TelnetCoding::kIac), static_cast<char>(verb),
            static_cast<char>(option)};
}

} // namespace

std::string TelnetCoding::Opening(const SerialSettings& settings) {
    m_asked[kSetBaudRate] = static_cast<std::uint32_t>(settings.baud);
    m_asked[kSetDataSize] = static_cast<std::uint32_t>(settings.dataBits);
    m_asked[kSetParity] = ParityCode(settings.parity);
    m_asked[kSetStopSize] = StopCode(settings);
    m_answered = {};
    m_comPortRefused = false;
    std::string opening;
    for (const std::uint8_t option : {kComPortOption, kBinary, kSuppressGoAhead}) {
        m_mine[option] = true;
        opening += Command(kWill, option);
    }
    for (const std::uint8_t option : {kBinary, kSuppressGoAhead}) {
        m_his[option] = true;
        opening += Command(kDo, option);
    }
    opening += SubNegotiation(kSetBaudRate, BigEndian(*m_asked[kSetBaudRate], 4));
    for (const Setting setting : {kSetDataSize, kSetParity, kSetStopSize})
        opening += SubNegotiation(setting, BigEndian(*m_asked[setting], 1));
    return opening;
}

std::string TelnetCoding::SubNegotiation(Setting setting, std::string_view value) {
    return std::string{static_cast<char>(kIac), static_cast<char>(kSb),
                       static_cast<char>(kComPortOption), static_cast<char>(setting)} +
           Escape(value) + std::string{static_cast<char>(kIac), static_cast<char>(kSe)};
}

std::string TelnetCoding::Escape(std::string_view data) {
    std::string escaped;
    escaped.reserve(data.size());
    for (const char byte : data) {
        escaped += byte;
        if (static_cast<std::uint8_t>(byte) == kIac)
            escaped += byte;
    }
    return escaped;
}

std::string TelnetCoding::Decode(std::string_view received) {
    std::string data;
    for (const char byte : received)
        TakeByte(static_cast<std::uint8_t>(byte), data);
    return data;
}

std::string TelnetCoding::TakeReplies() {
    return std::exchange(m_replies, {});
}

void TelnetCoding::TakeByte(std::uint8_t byte, std::string& data) {
    switch (m_state) {
    case State::Data:
        if (byte == kIac)
            m_state = State::Command;
        else
            data += static_cast<char>(byte);
        return;
    case State::Command:
        m_state = State::Data; // NOP, go-ahead, break and the like carry nothing for us
        if (byte == kIac) {
            data += static_cast<char>(byte);
        } else if (byte >= kWill && byte <= kDont) {
            m_verb = byte;
            m_state = State::Option;
        } else if (byte == kSb) {
            m_sub.clear();
            m_state = State::Sub;
        }
        return;
    case State::Option:
        TakeOption(byte);
        m_state = State::Data;
        return;
    case State::Sub:
        if (byte == kIac)
            m_state = State::SubCommand;
        else
            KeepSubByte(byte);
        return;
    case State::SubCommand:
        if (byte == kIac) {
            KeepSubByte(byte);
            m_state = State::Sub;
            return;
        }
        if (byte == kSe)
            EndSub();
        m_state = State::Data; // any other command breaks the sub-negotiation off
        return;
    }
}

void TelnetCoding::KeepSubByte(std::uint8_t byte) {
    if (m_sub.size() <= kSubLimit) // one beyond the limit marks it too long
        m_sub += static_cast<char>(byte);
}

bool TelnetCoding::Supported(std::uint8_t option) {
    return option == kBinary || option == kSuppressGoAhead || option == kComPortOption;
}

void TelnetCoding::Reply(std::uint8_t verb, std::uint8_t option) {
    m_replies += Command(verb, option);
}

void TelnetCoding::TakeOption(std::uint8_t option) {
    const bool request = m_verb == kWill || m_verb == kDo;
    const bool server = m_verb == kWill || m_verb == kWont; // about the server's own side
    bool& on = server ? m_his[option] : m_mine[option];
    if (m_verb == kDont && option == kComPortOption)
        m_comPortRefused = true;
    if (request && !Supported(option)) {
        // Refused once: a server that asks again and again gets no stream of refusals.
        if (!std::exchange(server ? m_hisRefused[option] : m_mineRefused[option], true))
            Reply(server ? kDont : kWont, option);
    } else if (request != on) {
        on = request;
        Reply(server ? (request ? kDo : kDont) : (request ? kWill : kWont), option);
    }
}

void TelnetCoding::EndSub() {
    if (m_sub.size() < 3 || m_sub.size() > kSubLimit ||
        static_cast<std::uint8_t>(m_sub[0]) != kComPortOption)
        return;
    const int setting = static_cast<std::uint8_t>(m_sub[1]) - kAnswerOffset;
    if (setting < kSetBaudRate || setting > kSetStopSize)
        return; // line and modem state notices, flow control: not used here
    std::uint32_t value = 0;
    for (std::size_t k = 2; k < m_sub.size(); ++k)
        value = (value << 8) | static_cast<std::uint8_t>(m_sub[k]);
    m_answered[setting] = value;
}

bool TelnetCoding::SettingsAnswered() const {
    for (int setting = kSetBaudRate; setting <= kSetStopSize; ++setting)
        if (!m_answered[setting])
            return false;
    return true;
}

bool TelnetCoding::SettingsConfirmed() const {
    return SettingsAnswered() && m_answered == m_asked;
}
