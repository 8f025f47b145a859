// Prints the CRC-32 throughput of the byte-wise table and of the fast path
// the launcher uses, over the same buffer in one run.
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/crc32.h"

namespace {

double Seconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Fn>
double MegabytesPerSecond(const std::vector<unsigned char>& buffer, int rounds, Fn fn,
                          uint32_t* result) {
  uint32_t crc = 0;
  double best = 1e30;
  for (int r = 0; r < rounds; ++r) {
    double start = Seconds();
    crc = fn(buffer.data(), buffer.size(), 0u);
    best = std::min(best, Seconds() - start);
  }
  *result = crc;
  return static_cast<double>(buffer.size()) / (1024.0 * 1024.0) / best;
}

}  // namespace

int main(int argc, char** argv) {
  size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 64;
  std::vector<unsigned char> buffer(megabytes * 1024 * 1024);
  uint32_t seed = 12345;
  for (auto& b : buffer) {
    seed = seed * 1103515245u + 12345u;
    b = static_cast<unsigned char>(seed >> 16);
  }
  uint32_t bytewise = 0, slicing = 0, fast = 0;
  double mbBytewise = MegabytesPerSecond(buffer, 3, core::Crc32UpdateBytewise, &bytewise);
  double mbSlicing = MegabytesPerSecond(buffer, 5, core::Crc32UpdateSlicing8, &slicing);
  double mbFast = MegabytesPerSecond(buffer, 5, Crc32Update, &fast);
  std::printf("buffer: %zu MiB\n", megabytes);
  std::printf("byte-wise table: %8.1f MB/s  crc %08x\n", mbBytewise, bytewise);
  std::printf("slicing-by-8:    %8.1f MB/s  crc %08x\n", mbSlicing, slicing);
  std::printf("fast (%s): %8.1f MB/s  crc %08x\n", core::Crc32Implementation(), mbFast, fast);
  std::printf("fast / byte-wise: %.1fx\n", mbFast / mbBytewise);
  return (bytewise == fast && bytewise == slicing) ? 0 : 1;
}
