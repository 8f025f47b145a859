#include "core/crc32.h"

#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <immintrin.h>
#define LAUNCHER_CRC_CLMUL 1
#endif

namespace core {
namespace {

// tables[0] is the classic byte-wise table; tables[k][b] advances the CRC of
// byte b followed by k zero bytes, for slicing.
struct CrcTables {
  uint32_t t[8][256];
  CrcTables() {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
      t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
      for (int k = 1; k < 8; ++k) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
  }
};

// Built during static initialisation, before any thread starts.
const CrcTables g_tables;

// The working register is the inverted CRC.
uint32_t BytewiseRegister(const unsigned char* p, size_t n, uint32_t reg) {
  const uint32_t* t0 = g_tables.t[0];
  while (n--) reg = (reg >> 8) ^ t0[(reg ^ *p++) & 0xFF];
  return reg;
}

uint32_t Slicing8Register(const unsigned char* p, size_t n, uint32_t reg) {
  const auto& t = g_tables.t;
  while (n >= 8) {
    uint32_t lo, hi;
    std::memcpy(&lo, p, 4);
    std::memcpy(&hi, p + 4, 4);
    lo ^= reg;  // little-endian: byte 0 is the low byte
    reg = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
          t[3][hi & 0xFF] ^ t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
    p += 8;
    n -= 8;
  }
  return BytewiseRegister(p, n, reg);
}

#ifdef LAUNCHER_CRC_CLMUL
// One 128-bit lane folded forward over the distance the constants encode.
__attribute__((target("pclmul,sse4.1"))) inline __m128i FoldLane(__m128i acc, __m128i next,
                                                                 __m128i k) {
  __m128i lo = _mm_clmulepi64_si128(acc, k, 0x00);
  __m128i hi = _mm_clmulepi64_si128(acc, k, 0x11);
  return _mm_xor_si128(_mm_xor_si128(hi, lo), next);
}

// Folding with carry-less multiplication: four 128-bit lanes are folded
// 64 bytes at a time, then into one lane, reduced to 64 and finally to 32
// bits by Barrett reduction. Constants are x^k mod P (bit-reflected) for the
// fold distances, and the Barrett constants mu and P.
__attribute__((target("pclmul,sse4.1"))) uint32_t ClmulRegister(const unsigned char* p,
                                                                size_t n, uint32_t reg) {
  if (n < 64) return Slicing8Register(p, n, reg);
  const __m128i k1k2 = _mm_set_epi64x(0x01c6e41596LL, 0x0154442bd4LL);
  const __m128i k3k4 = _mm_set_epi64x(0x00ccaa009eLL, 0x01751997d0LL);
  const __m128i k5k0 = _mm_set_epi64x(0, 0x0163cd6124LL);
  const __m128i poly = _mm_set_epi64x(0x01f7011641LL, 0x01db710641LL);
  const __m128i mask32 = _mm_setr_epi32(-1, 0, -1, 0);

  __m128i x1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 0x00));
  __m128i x2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 0x10));
  __m128i x3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 0x20));
  __m128i x4 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 0x30));
  x1 = _mm_xor_si128(x1, _mm_cvtsi32_si128(static_cast<int>(reg)));
  p += 64;
  n -= 64;

  while (n >= 64) {
    __m128i y1 = _mm_clmulepi64_si128(x1, k1k2, 0x00);
    __m128i y2 = _mm_clmulepi64_si128(x2, k1k2, 0x00);
    __m128i y3 = _mm_clmulepi64_si128(x3, k1k2, 0x00);
    __m128i y4 = _mm_clmulepi64_si128(x4, k1k2, 0x00);
    x1 = _mm_clmulepi64_si128(x1, k1k2, 0x11);
    x2 = _mm_clmulepi64_si128(x2, k1k2, 0x11);
    x3 = _mm_clmulepi64_si128(x3, k1k2, 0x11);
    x4 = _mm_clmulepi64_si128(x4, k1k2, 0x11);
    x1 = _mm_xor_si128(_mm_xor_si128(x1, y1),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 0x00)));
    x2 = _mm_xor_si128(_mm_xor_si128(x2, y2),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 0x10)));
    x3 = _mm_xor_si128(_mm_xor_si128(x3, y3),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 0x20)));
    x4 = _mm_xor_si128(_mm_xor_si128(x4, y4),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 0x30)));
    p += 64;
    n -= 64;
  }

  // Four lanes into one.
  x1 = FoldLane(x1, x2, k3k4);
  x1 = FoldLane(x1, x3, k3k4);
  x1 = FoldLane(x1, x4, k3k4);
  while (n >= 16) {
    x1 = FoldLane(x1, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), k3k4);
    p += 16;
    n -= 16;
  }

  // 128 bits to 64.
  __m128i t = _mm_clmulepi64_si128(x1, k3k4, 0x10);
  x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), t);
  t = _mm_srli_si128(x1, 4);
  x1 = _mm_and_si128(x1, mask32);
  x1 = _mm_clmulepi64_si128(x1, k5k0, 0x00);
  x1 = _mm_xor_si128(x1, t);

  // Barrett reduction to 32 bits.
  t = _mm_and_si128(x1, mask32);
  t = _mm_clmulepi64_si128(t, poly, 0x10);
  t = _mm_and_si128(t, mask32);
  t = _mm_clmulepi64_si128(t, poly, 0x00);
  x1 = _mm_xor_si128(x1, t);
  reg = static_cast<uint32_t>(_mm_extract_epi32(x1, 1));
  return Slicing8Register(p, n, reg);
}

bool HasClmul() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
}
#endif

using RegisterFn = uint32_t (*)(const unsigned char*, size_t, uint32_t);

struct Dispatch {
  RegisterFn fn;
  const char* name;
  Dispatch() : fn(&Slicing8Register), name("slicing-by-8") {
#ifdef LAUNCHER_CRC_CLMUL
    if (HasClmul()) {
      fn = &ClmulRegister;
      name = "pclmul folding";
    }
#endif
  }
};

const Dispatch g_dispatch;

}  // namespace

uint32_t Crc32UpdateBytewise(const void* data, size_t length, uint32_t previous) {
  if (length == 0) return previous;
  return ~BytewiseRegister(static_cast<const unsigned char*>(data), length, ~previous);
}

uint32_t Crc32UpdateSlicing8(const void* data, size_t length, uint32_t previous) {
  if (length == 0) return previous;
  return ~Slicing8Register(static_cast<const unsigned char*>(data), length, ~previous);
}

const char* Crc32Implementation() { return g_dispatch.name; }

}  // namespace core

uint32_t Crc32Update(const void* data, size_t length, uint32_t previous) {
  if (length == 0) return previous;
  return ~core::g_dispatch.fn(static_cast<const unsigned char*>(data), length, ~previous);
}

uint32_t Crc32(const void* data, size_t length) {
  if (length == 0) return 0xFFFFFFFFu;
  return Crc32Update(data, length, 0);
}
