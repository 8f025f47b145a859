#include "core/config/slots.h"

#include <cstring>

namespace core {
namespace {

const SlotInfo kSlots[kSlotCount] = {
    {L"SERVER_URL", 132, 146},
    {L"UPDATE_PATH", 133, 147},
    {L"LANGUAGE", 134, 48},
    {L"AFFILIATE_ID", 135, 84},
    {L"REFERRER_ID", 136, 83},
    {L"PROMOCODE", 137, 81},
};

// Offset of the value, or size when the bytes do not start with the marker.
uint32_t ValueOffset(const uint8_t* bytes, uint32_t size, const std::string& marker) {
  uint32_t m = static_cast<uint32_t>(marker.size());
  if (!bytes || size < m + 1 || std::memcmp(bytes, marker.data(), m) != 0 || bytes[m] != 0)
    return size;
  return m + 1;
}

}  // namespace

const SlotInfo& GetSlotInfo(Slot slot) { return kSlots[slot]; }

std::string SlotMarker(Slot slot) {
  std::string marker;
  for (const wchar_t* p = kSlots[slot].typeName; *p; ++p) marker += static_cast<char>(*p);
  return marker + "_HERE:";
}

const uint8_t* ReadSlot(const wchar_t* typeName, WORD id, uint32_t* size, HMODULE module) {
  if (size) *size = 0;
  HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), typeName);
  if (!info) return nullptr;
  HGLOBAL loaded = ::LoadResource(module, info);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return nullptr;
  if (size) *size = ::SizeofResource(module, info);
  return static_cast<const uint8_t*>(bytes);
}

std::string SlotValueOf(const uint8_t* bytes, uint32_t size,
                                       const std::string& marker) {
  uint32_t at = ValueOffset(bytes, size, marker);
  std::string value;
  while (at < size && bytes[at]) value += static_cast<char>(bytes[at++]);
  return value;
}

std::vector<std::string> SlotValueList(const uint8_t* bytes, uint32_t size,
                                       const std::string& marker) {
  std::vector<std::string> list;
  uint32_t at = ValueOffset(bytes, size, marker);
  while (at < size && bytes[at]) {
    std::string value;
    while (at < size && bytes[at]) value += static_cast<char>(bytes[at++]);
    list.push_back(value);
    ++at;
  }
  return list;
}

std::string SlotValue(Slot slot) {
  const SlotInfo& s = kSlots[slot];
  uint32_t size = 0;
  const uint8_t* bytes = ReadSlot(s.typeName, s.id, &size);
  return SlotValueOf(bytes, size, SlotMarker(slot));
}

}  // namespace core
