#include "base/Sha256.h"

std::string Sha256Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : Sha256Digest(bytes))
        hex += {kDigits[byte >> 4], kDigits[byte & 0xf]};
    return hex;
}
