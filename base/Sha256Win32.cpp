#include "base/Sha256.h"

#include <windows.h>

#include <bcrypt.h>

#include <stdexcept>

std::array<unsigned char, 32> Sha256Digest(std::string_view bytes) {
    std::array<unsigned char, 32> digest{};
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!BCRYPT_SUCCESS(
            BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0)))
        throw std::runtime_error("SHA-256 is not available from CNG.");
    // BCryptHash takes a non-const input pointer but only reads it.
    auto* input = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
    const NTSTATUS status =
        BCryptHash(algorithm, nullptr, 0, input, static_cast<ULONG>(bytes.size()), digest.data(),
                   static_cast<ULONG>(digest.size()));
    BCryptCloseAlgorithmProvider(algorithm, 0);
    if (!BCRYPT_SUCCESS(status))
        throw std::runtime_error("SHA-256 is not available from CNG.");
    return digest;
}
