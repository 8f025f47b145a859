#include "core/crc32.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

TEST(Crc32, KnownVectors) {
  EXPECT_EQ(0x352441C2u, Crc32("abc", 3));
  EXPECT_EQ(0xCBF43926u, Crc32("123456789", 9));
  EXPECT_EQ(0xFFFFFFFFu, Crc32("", 0));
  EXPECT_EQ(0x12345678u, Crc32Update("", 0, 0x12345678u));
  EXPECT_EQ(0xCBF43926u, core::Crc32UpdateBytewise("123456789", 9, 0));
}

TEST(Crc32, ContinuesOverSplitBlocks) {
  const std::string text = "The quick brown fox jumps over the lazy dog, twice over and more.";
  const uint32_t whole = Crc32(text.data(), text.size());
  for (size_t split = 1; split < text.size(); ++split) {
    uint32_t first = Crc32(text.data(), split);
    EXPECT_EQ(whole, Crc32Update(text.data() + split, text.size() - split, first)) << split;
  }
}

// The fast paths must give the reference value for every length and start,
// so that block boundaries of the folding code are all crossed.
TEST(Crc32, FastPathsMatchTheByteWiseTable) {
  std::mt19937 random(7);
  std::vector<unsigned char> buffer(4096 + 16);
  for (auto& b : buffer) b = static_cast<unsigned char>(random());
  for (size_t offset = 0; offset < 8; ++offset) {
    for (size_t length = 0; length <= 4096; ++length) {
      const unsigned char* p = buffer.data() + offset;
      uint32_t previous = static_cast<uint32_t>(length * 2654435761u);
      uint32_t expected = core::Crc32UpdateBytewise(p, length, previous);
      ASSERT_EQ(expected, Crc32Update(p, length, previous)) << offset << " " << length;
      ASSERT_EQ(expected, core::Crc32UpdateSlicing8(p, length, previous))
          << offset << " " << length;
    }
  }
}

}  // namespace
