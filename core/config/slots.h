// The six distributor slots: resources whose type is the slot's name and
// whose bytes are the marker ("<NAME>_HERE:"), a zero, the value, a zero and
// zero padding to the end. Distributors patch the value in the finished file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace core {

enum Slot { SERVER_URL, UPDATE_PATH, LANGUAGE_SLOT, AFFILIATE_ID, REFERRER_ID, PROMOCODE, kSlotCount };

struct SlotInfo {
  const wchar_t* typeName;
  WORD id;
  uint32_t size;  // in the unpatched build
};

const SlotInfo& GetSlotInfo(Slot slot);

// "<NAME>_HERE:". Built at run time: the executable must hold the marker only
// in its slot, since the checksum finds slots by the marker's first
// occurrence.
std::string SlotMarker(Slot slot);

// The slot's resource bytes in module (null: the running executable), or
// null when the resource is missing.
const uint8_t* ReadSlot(const wchar_t* typeName, WORD id, uint32_t* size,
                        HMODULE module = nullptr);

// The value after the marker, up to the next zero; empty when not set.
std::string SlotValue(Slot slot);
// The same over the bytes of a slot resource.
std::string SlotValueOf(const uint8_t* bytes, uint32_t size, const std::string& marker);
// SERVER_URL holds several zero-terminated texts ended by an empty one.
std::vector<std::string> SlotValueList(const uint8_t* bytes, uint32_t size,
                                       const std::string& marker);

}  // namespace core
