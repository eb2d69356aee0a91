#include "base/Sha256.h"

#include <gtest/gtest.h>

#include <string>

// The test vectors published with the SHA-256 standard (FIPS 180-2, appendix B).
TEST(Sha256Test, PublishedVectorsGiveTheirDigests) {
    EXPECT_EQ("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", Sha256Hex("abc"));
    EXPECT_EQ("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1",
              Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"));
    EXPECT_EQ("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0",
              Sha256Hex(std::string(1000000, 'a')));
    EXPECT_EQ("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855", Sha256Hex(""));
    // Configuration bytes hold zeros: the digest covers every byte, not a C string.
    EXPECT_NE(Sha256Hex("abc"), Sha256Hex(std::string("abc\0", 4)));
}
