// AES-128 in ECB mode with PKCS#7 padding; the key is given as up to 32
// hexadecimal digits (missing key bytes are zero).
#pragma once

#include <cstdint>

#include "core/buffer.h"

struct evp_cipher_ctx_st;

namespace core {

class CCipher {
 public:
  CCipher();
  ~CCipher();
  CCipher(const CCipher&) = delete;
  CCipher& operator=(const CCipher&) = delete;

  // The output buffer must be empty; nothing is committed on failure.
  bool Encrypt(const char* keyText, const void* plain, uint32_t length, CBuffer& out);
  bool Decrypt(const char* keyText, const void* cipher, uint32_t length, CBuffer& out);

  // Turns the key text into the 16-byte key; false on a bad text.
  static bool ParseKey(const char* keyText, uint8_t key[16]);

 private:
  bool Run(int direction, const char* keyText, const void* input, uint32_t length,
           uint32_t reserve, CBuffer& out);

  ::evp_cipher_ctx_st* context_;
  int direction_ = 1;
};

}  // namespace core
