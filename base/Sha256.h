#pragma once

#include <array>
#include <string>
#include <string_view>

/// The SHA-256 digest of `bytes`, from the operating system's crypto library (libcrypto on
/// Linux, CNG on Windows). Throws std::runtime_error when the library refuses.
std::array<unsigned char, 32> Sha256Digest(std::string_view bytes);

/// The same as 64 lowercase hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);
