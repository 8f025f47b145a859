#include "core/config/executable_crc.h"

#include <gtest/gtest.h>

#include "core/config/slots.h"
#include "core/crc32.h"

namespace {

using core::ExecutableCrc;
using core::Slot;

// An unpatched slot as the build writes it.
std::string SlotBytes(Slot slot) {
  std::string bytes = core::SlotMarker(slot) + std::string(1, '\0');
  return bytes + std::string(core::GetSlotInfo(slot).size - bytes.size(), '\0');
}

uint32_t CrcOf(const std::string& data, int variant) {
  uint32_t crc = 0;
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ExecutableCrc(&data, variant, &crc));
  return crc;
}

// An image with every slot between other bytes, like the executable.
std::string Image() {
  std::string data = "MZ header bytes";
  for (int s = 0; s < core::kSlotCount; ++s)
    data += SlotBytes(static_cast<Slot>(s)) + "code " + std::to_string(s);
  return data;
}

TEST(ExecutableCrc, LeavesSlotsOutButTheirLastByte) {
  const std::string data = Image();
  // The ranges by hand: up to each marker, then from the slot's last byte.
  uint32_t expected = 0xFFFFFFFFu;
  size_t from = 0;
  for (int s = 0; s < core::kSlotCount; ++s) {
    size_t at = data.find(core::SlotMarker(static_cast<Slot>(s)));
    expected = Crc32Update(data.data() + from, at - from, expected);
    from = at + core::GetSlotInfo(static_cast<Slot>(s)).size - 1;
  }
  expected = Crc32Update(data.data() + from, data.size() - from, expected);
  EXPECT_EQ(expected, CrcOf(data, 0));
  EXPECT_EQ(expected, CrcOf(data, 1));
}

TEST(ExecutableCrc, PatchedValuesKeepTheChecksum) {
  const std::string data = Image();
  const uint32_t unpatched = CrcOf(data, 0);
  for (int s = 0; s < core::kSlotCount; ++s) {
    std::string patched = data;
    size_t value = patched.find(core::SlotMarker(static_cast<Slot>(s))) +
                   core::SlotMarker(static_cast<Slot>(s)).size() + 1;
    patched.replace(value, 10, "patched!!!");
    EXPECT_EQ(unpatched, CrcOf(patched, 0)) << s;
    // The slot's last byte is counted, and so is everything outside.
    std::string last = data;
    last[value - 1 - core::SlotMarker(static_cast<Slot>(s)).size() +
         core::GetSlotInfo(static_cast<Slot>(s)).size - 1] = 'x';
    EXPECT_NE(unpatched, CrcOf(last, 0)) << s;
  }
  std::string outside = data;
  outside[2] = 'z';
  EXPECT_NE(unpatched, CrcOf(outside, 0));
}

TEST(ExecutableCrc, VariantsDifferOnlyOnEmptyRanges) {
  // A slot at offset 0 gives an empty first range: variant 0 skips it and
  // keeps counting ranges, variant 1 flips its toggle on it.
  const std::string data = SlotBytes(core::PROMOCODE) + "tail of the file";
  const uint32_t size = core::GetSlotInfo(core::PROMOCODE).size;
  EXPECT_EQ(Crc32Update(data.data(), size - 1, 0xFFFFFFFFu), CrcOf(data, 0));
  EXPECT_EQ(Crc32Update(data.data() + size - 1, data.size() - size + 1, 0xFFFFFFFFu),
            CrcOf(data, 1));
}

TEST(ExecutableCrc, WithoutSlotsItIsTheRegisterFromZero) {
  const std::string data = "no markers in here";
  EXPECT_EQ(Crc32Update(data.data(), data.size(), 0xFFFFFFFFu), CrcOf(data, 0));
  const std::string empty;
  EXPECT_EQ(0xFFFFFFFFu, CrcOf(empty, 0));
}

TEST(ExecutableCrc, ReadsTheRunningExecutable) {
  uint32_t first = 0, second = 0;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ExecutableCrc(nullptr, 0, &first));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ExecutableCrc(nullptr, 0, &second));
  EXPECT_EQ(first, second);
}

TEST(Slots, ValuesAndLists) {
  const std::string marker = core::SlotMarker(core::SERVER_URL);
  std::string bytes = marker + std::string(1, '\0') + "a" + std::string(1, '\0') + "b" +
                      std::string(2, '\0') + std::string(20, '\0');
  auto list = core::SlotValueList(reinterpret_cast<const uint8_t*>(bytes.data()),
                                  static_cast<uint32_t>(bytes.size()), marker);
  ASSERT_EQ(2u, list.size());
  EXPECT_EQ("a", list[0]);
  EXPECT_EQ("b", list[1]);
  EXPECT_EQ("a", core::SlotValueOf(reinterpret_cast<const uint8_t*>(bytes.data()),
                                   static_cast<uint32_t>(bytes.size()), marker));
  // The build's own, unpatched slots.
  for (int s = 0; s < core::kSlotCount; ++s) {
    const core::SlotInfo& info = core::GetSlotInfo(static_cast<Slot>(s));
    uint32_t size = 0;
    const uint8_t* slot = core::ReadSlot(info.typeName, info.id, &size);
    ASSERT_NE(nullptr, slot) << s;
    EXPECT_EQ(info.size, size);
    EXPECT_EQ("", core::SlotValue(static_cast<Slot>(s)));
    EXPECT_TRUE(core::SlotValueList(slot, size, core::SlotMarker(static_cast<Slot>(s))).empty());
  }
}

}  // namespace
