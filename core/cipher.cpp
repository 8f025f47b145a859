#include "core/cipher.h"

#include <openssl/evp.h>

#include <cstring>

namespace core {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

const uint32_t kBlockSize = 16;

}  // namespace

CCipher::CCipher() : context_(EVP_CIPHER_CTX_new()) {}

CCipher::~CCipher() { EVP_CIPHER_CTX_free(context_); }

bool CCipher::ParseKey(const char* keyText, uint8_t key[16]) {
  std::memset(key, 0, 16);
  if (!keyText) return false;
  size_t length = std::strlen(keyText);
  if (length / 2 > 16) return false;
  if (length % 2) return false;  // a lone last digit is not a byte
  for (size_t i = 0; i < length; i += 2) {
    int hi = HexDigit(keyText[i]), lo = HexDigit(keyText[i + 1]);
    if (hi < 0 || lo < 0) return false;
    key[i / 2] = static_cast<uint8_t>(hi * 16 + lo);
  }
  return true;
}

bool CCipher::Run(int direction, const char* keyText, const void* input, uint32_t length,
                  uint32_t reserve, CBuffer& out) {
  uint8_t key[16];
  if (!context_ || out.Size() != 0 || !ParseKey(keyText, key)) return false;
  if (length > INT32_MAX - 2 * kBlockSize) return false;
  direction_ = direction;
  EVP_CIPHER_CTX_reset(context_);
  bool ok = EVP_CipherInit_ex(context_, EVP_aes_128_ecb(), nullptr, key, nullptr, direction) == 1;
  ok = ok && EVP_CIPHER_CTX_set_padding(context_, 1) == 1;
  ok = ok && out.Reserve(reserve);
  int produced = 0, last = 0;
  ok = ok && EVP_CipherUpdate(context_, out.Tail(0), &produced,
                              static_cast<const unsigned char*>(input),
                              static_cast<int>(length)) == 1;
  ok = ok && EVP_CipherFinal_ex(context_, out.Tail(0) + produced, &last) == 1;
  ok = ok && out.Commit(static_cast<uint32_t>(produced + last));
  std::memset(key, 0, sizeof key);
  EVP_CIPHER_CTX_reset(context_);
  return ok;
}

bool CCipher::Encrypt(const char* keyText, const void* plain, uint32_t length, CBuffer& out) {
  return Run(1, keyText, plain, length, length + 2 * kBlockSize, out);
}

bool CCipher::Decrypt(const char* keyText, const void* cipher, uint32_t length, CBuffer& out) {
  return Run(0, keyText, cipher, length, length + kBlockSize + 1, out);
}

}  // namespace core
