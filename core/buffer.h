// Growable byte buffer used for every download and file image.
#pragma once

#include <cstdint>
#include <string>

namespace core {

class CBufferBase {
 public:
  CBufferBase() = default;
  virtual ~CBufferBase() = default;
  CBufferBase(const CBufferBase&) = delete;
  CBufferBase& operator=(const CBufferBase&) = delete;

  virtual bool Reserve(uint32_t newCapacity) = 0;
  virtual uint32_t Append(const void* bytes, uint32_t length) = 0;
  virtual void Free() = 0;
  void Clear() { size_ = 0; }
  bool EnsureFree(uint32_t n);
  virtual void CopyOut(void* destination, uint32_t n) const;

  uint8_t* Data() const { return data_; }
  uint32_t Size() const { return size_; }
  uint32_t Capacity() const { return capacity_; }
  uint32_t FreeSpace() const { return capacity_ - size_; }
  uint32_t Granularity() const { return granularity_; }
  void SetGranularity(uint32_t granularity) { granularity_ = granularity; }

 protected:
  uint32_t capacity_ = 0;
  uint32_t size_ = 0;
  uint8_t* data_ = nullptr;
  uint32_t granularity_ = 0;
  uint32_t spare_ = 0;
  uint32_t flags_ = 0;
};

class CBuffer : public CBufferBase {
 public:
  CBuffer() = default;
  explicit CBuffer(uint32_t initialCapacity) { Reserve(initialCapacity); }
  ~CBuffer() override;

  bool Reserve(uint32_t newCapacity) override;
  uint32_t Append(const void* bytes, uint32_t length) override;
  void Free() override;

  // Frees this block and takes over other's; other is left empty.
  void Take(CBuffer& other);
  // Index of the first byte equal to value, or -1.
  int64_t FindByte(uint8_t value) const;
  // Pointer to the byte at offset, or null past the used bytes.
  uint8_t* At(uint32_t offset) const;
  // First unused byte when at least n bytes are free, else null.
  uint8_t* Tail(uint32_t n) const;
  // Counts n bytes written through Tail as used.
  bool Commit(uint32_t n);
  void ToString(std::string& out) const;
  void ToWideString(std::wstring& out) const;
  // Appends a terminating zero (counted in Size) and returns Data, or null.
  uint8_t* AppendZero();
  uint8_t* AppendWideZero();
  // XORs [offset, offset+length) with the key, starting at keyPosition and
  // wrapping; returns the next key position, or -1 on a bad range or key.
  int XorRange(uint32_t offset, uint32_t length, const uint8_t* key, uint32_t keyLength,
               uint32_t keyPosition);
};

}  // namespace core
