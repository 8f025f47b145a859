#include "core/buffer.h"

#include <gtest/gtest.h>

#include <cstring>

using core::CBuffer;

namespace {

TEST(Buffer, ReserveRoundsToGranularityAndZeroFrees) {
  CBuffer buffer;
  buffer.SetGranularity(4096);
  ASSERT_TRUE(buffer.Reserve(5000));
  EXPECT_EQ(8192u, buffer.Capacity());
  ASSERT_TRUE(buffer.Reserve(0));
  EXPECT_EQ(0u, buffer.Capacity());
  EXPECT_EQ(nullptr, buffer.Data());
}

TEST(Buffer, GrowsKeepsContentsAndShrinkCutsSize) {
  CBuffer buffer(4);
  for (int i = 0; i < 1000; ++i) {
    unsigned char b = static_cast<unsigned char>(i);
    ASSERT_EQ(1u, buffer.Append(&b, 1));
  }
  ASSERT_EQ(1000u, buffer.Size());
  for (uint32_t i = 0; i < 1000; ++i) ASSERT_EQ(static_cast<unsigned char>(i), *buffer.At(i));
  EXPECT_EQ(nullptr, buffer.At(1000));
  ASSERT_TRUE(buffer.Reserve(10));
  EXPECT_EQ(10u, buffer.Size());
  EXPECT_EQ(9, *buffer.At(9));
  EXPECT_EQ(0u, buffer.FreeSpace());
}

TEST(Buffer, TailCommitAndZeroTerminators) {
  CBuffer buffer(8);
  EXPECT_EQ(nullptr, buffer.Tail(9));
  std::memcpy(buffer.Tail(3), "abc", 3);
  ASSERT_TRUE(buffer.Commit(3));
  EXPECT_FALSE(buffer.Commit(6));
  std::string text;
  buffer.ToString(text);
  EXPECT_EQ("abc", text);
  EXPECT_EQ(1, buffer.FindByte('b'));
  EXPECT_EQ(-1, buffer.FindByte('z'));
  ASSERT_NE(nullptr, buffer.AppendZero());
  EXPECT_EQ(4u, buffer.Size());
  EXPECT_STREQ("abc", reinterpret_cast<const char*>(buffer.Data()));

  CBuffer wide;
  wide.Append(L"hi", 4);
  ASSERT_NE(nullptr, wide.AppendWideZero());
  std::wstring w;
  wide.ToWideString(w);
  EXPECT_EQ(std::wstring(L"hi\0", 3), w);

  CBuffer empty;
  empty.ToString(text);
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(-1, empty.FindByte(0));
}

TEST(Buffer, TakeMovesTheBlock) {
  CBuffer source, target;
  source.Append("payload", 7);
  target.Append("old", 3);
  const uint8_t* block = source.Data();
  target.Take(source);
  EXPECT_EQ(block, target.Data());
  EXPECT_EQ(7u, target.Size());
  EXPECT_EQ(nullptr, source.Data());
  EXPECT_EQ(0u, source.Size());
  EXPECT_EQ(0u, source.Capacity());
}

TEST(Buffer, XorRangeRoundTripsAndChecksItsArguments) {
  const char original[] = "a stream processed in pieces";
  CBuffer buffer;
  buffer.Append(original, sizeof original);
  const uint8_t key[] = {0x11, 0x22, 0x33, 0x44, 0x55};
  // In two pieces, carrying the key position over.
  int next = buffer.XorRange(0, 7, key, 5, 3);
  ASSERT_EQ((3 + 7) % 5, next);
  ASSERT_EQ((3 + sizeof original) % 5,
            static_cast<size_t>(buffer.XorRange(7, sizeof original - 7, key, 5, next)));
  EXPECT_NE(0, std::memcmp(buffer.Data(), original, sizeof original));
  ASSERT_GE(buffer.XorRange(0, sizeof original, key, 5, 3), 0);
  EXPECT_EQ(0, std::memcmp(buffer.Data(), original, sizeof original));

  EXPECT_EQ(-1, buffer.XorRange(0, 4, key, 5, 5));                  // position == length
  EXPECT_EQ(-1, buffer.XorRange(sizeof original + 1, 0, key, 5, 0));  // offset past size
  EXPECT_EQ(-1, buffer.XorRange(10, sizeof original, key, 5, 0));     // range past size
}

TEST(Buffer, AppendRefusesSizesThatWouldOverflow) {
  CBuffer buffer;
  buffer.Append("x", 1);
  EXPECT_EQ(0u, buffer.Append("y", 0xFFFFFFFFu));
  EXPECT_FALSE(buffer.EnsureFree(0xFFFFFFFFu));
  EXPECT_EQ(1u, buffer.Size());
}

}  // namespace
