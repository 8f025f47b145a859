#include "core/cipher.h"

#include <gtest/gtest.h>

#include <string>

using core::CBuffer;
using core::CCipher;

namespace {

std::string FromHex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

std::string Text(const CBuffer& b) {
  std::string s;
  b.ToString(s);
  return s;
}

const char kKey[] = "2b7e151628aed2a6abf7158809cf4f3c";

// AES-128 ECB vectors of NIST SP 800-38A (F.1.1).
TEST(Cipher, NistEcbVectors) {
  const char* pairs[][2] = {
      {"6bc1bee22e409f96e93d7e117393172a", "3ad77bb40d7a3660a89ecaf32466ef97"},
      {"ae2d8a571e03ac9c9eb76fac45af8e51", "f5d3d58503b9699de785895a96fdbaaf"},
      {"30c81c46a35ce411e5fbc1191a0a52ef", "43b1cd7f598ece23881b00e3ed030688"},
      {"f69f2445df4f9b17ad2b417be66c3710", "7b0c785e27e8ad3f8223207104725dd4"},
  };
  for (auto& pair : pairs) {
    std::string plain = FromHex(pair[0]);
    CCipher cipher;
    CBuffer out;
    ASSERT_TRUE(cipher.Encrypt(kKey, plain.data(), 16, out));
    // One full block of PKCS#7 padding follows a whole block.
    ASSERT_EQ(32u, out.Size());
    EXPECT_EQ(FromHex(pair[1]), Text(out).substr(0, 16));
    CBuffer back;
    ASSERT_TRUE(cipher.Decrypt(kKey, out.Data(), out.Size(), back));
    EXPECT_EQ(plain, Text(back));
  }
}

TEST(Cipher, PaddingRoundTripsEveryLength) {
  CCipher cipher;
  std::string plain;
  for (int length = 0; length <= 48; ++length) {
    CBuffer out, back;
    ASSERT_TRUE(cipher.Encrypt("00112233", plain.data(), plain.size(), out));
    EXPECT_EQ((plain.size() / 16 + 1) * 16, out.Size());
    ASSERT_TRUE(cipher.Decrypt("00112233", out.Data(), out.Size(), back));
    EXPECT_EQ(plain, Text(back));
    plain += static_cast<char>('a' + length % 26);
  }
}

TEST(Cipher, RejectsBadKeysPaddingAndNonEmptyOutput) {
  uint8_t key[16];
  EXPECT_FALSE(CCipher::ParseKey(std::string(34, 'a').c_str(), key));  // 17 bytes
  EXPECT_FALSE(CCipher::ParseKey(std::string(31, 'a').c_str(), key));  // lone digit
  EXPECT_FALSE(CCipher::ParseKey("0g", key));
  ASSERT_TRUE(CCipher::ParseKey("0123456789abcdef", key));
  const uint8_t expected[16] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef};
  EXPECT_EQ(0, memcmp(expected, key, 16));  // the last 8 bytes stay 0

  CCipher cipher;
  CBuffer out;
  EXPECT_FALSE(cipher.Encrypt(std::string(34, '1').c_str(), "x", 1, out));
  EXPECT_EQ(0u, out.Size());

  CBuffer sealed;
  ASSERT_TRUE(cipher.Encrypt(kKey, "secret", 6, sealed));
  CBuffer wrong;
  // A wrong key almost always leaves invalid padding; this pair does.
  EXPECT_FALSE(cipher.Decrypt("00", sealed.Data(), sealed.Size(), wrong));
  EXPECT_EQ(0u, wrong.Size());
  EXPECT_FALSE(cipher.Decrypt(kKey, sealed.Data(), sealed.Size() - 1, wrong));  // truncated

  CBuffer used;
  used.Append("x", 1);
  EXPECT_FALSE(cipher.Encrypt(kKey, "a", 1, used));
  EXPECT_EQ(1u, used.Size());
}

}  // namespace
