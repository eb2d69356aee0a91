#include "base/Sha256.h"

#include <openssl/evp.h>

#include <stdexcept>

std::array<unsigned char, 32> Sha256Digest(std::string_view bytes) {
    std::array<unsigned char, 32> digest{};
    unsigned int size = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &size, EVP_sha256(), nullptr) != 1 ||
        size != digest.size())
        throw std::runtime_error("SHA-256 is not available from libcrypto.");
    return digest;
}
