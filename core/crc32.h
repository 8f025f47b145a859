// CRC-32 as the update manifests store it: reflected polynomial 0xEDB88320,
// start 0xFFFFFFFF, final XOR 0xFFFFFFFF.
#pragma once

#include <cstddef>
#include <cstdint>

// CRC of one block. Zero bytes give 0xFFFFFFFF (the manifests rely on it).
uint32_t Crc32(const void* data, size_t length);

// Continues a CRC over a further block: Crc32Update(B, Crc32(A)) is the CRC
// of A followed by B. Zero bytes return previous unchanged.
uint32_t Crc32Update(const void* data, size_t length, uint32_t previous);

namespace core {

// The byte-wise table walk; kept as the reference the fast paths must match.
uint32_t Crc32UpdateBytewise(const void* data, size_t length, uint32_t previous);

// Slicing-by-8, for processors without carry-less multiply.
uint32_t Crc32UpdateSlicing8(const void* data, size_t length, uint32_t previous);

// Name of the implementation Crc32Update picked for this processor.
const char* Crc32Implementation();

}  // namespace core
