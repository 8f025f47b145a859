#include "core/buffer.h"

#include <cstdlib>
#include <cstring>

namespace core {

bool CBufferBase::EnsureFree(uint32_t n) {
  if (capacity_ - size_ >= n) return true;
  if (n > UINT32_MAX - size_) return false;
  return Reserve(size_ + n);
}

void CBufferBase::CopyOut(void* destination, uint32_t n) const {
  if (n && data_) std::memcpy(destination, data_, n);
}

CBuffer::~CBuffer() { Free(); }

bool CBuffer::Reserve(uint32_t newCapacity) {
  if (newCapacity == capacity_) return true;
  if (newCapacity == 0) {
    Free();
    return true;
  }
  uint64_t rounded = newCapacity;
  if (granularity_ > 1 && newCapacity > capacity_) {
    rounded = (rounded + granularity_ - 1) / granularity_ * granularity_;
    if (rounded > UINT32_MAX) return false;
  }
  uint8_t* block = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(rounded)));
  if (!block) return false;
  uint32_t keep = size_ < rounded ? size_ : static_cast<uint32_t>(rounded);
  CopyOut(block, keep);
  std::free(data_);
  data_ = block;
  capacity_ = static_cast<uint32_t>(rounded);
  size_ = keep;
  return true;
}

uint32_t CBuffer::Append(const void* bytes, uint32_t length) {
  if (length == 0) return 0;
  if (length > UINT32_MAX - size_) return 0;
  if (capacity_ < size_ + length && !Reserve(size_ + length)) return 0;
  std::memcpy(data_ + size_, bytes, length);
  size_ += length;
  return length;
}

void CBuffer::Free() {
  std::free(data_);
  data_ = nullptr;
  capacity_ = 0;
  size_ = 0;
}

void CBuffer::Take(CBuffer& other) {
  if (&other == this) return;
  Free();
  data_ = other.data_;
  capacity_ = other.capacity_;
  size_ = other.size_;
  other.data_ = nullptr;
  other.capacity_ = 0;
  other.size_ = 0;
}

int64_t CBuffer::FindByte(uint8_t value) const {
  if (!data_ || size_ == 0) return -1;
  const void* hit = std::memchr(data_, value, size_);
  return hit ? static_cast<const uint8_t*>(hit) - data_ : -1;
}

uint8_t* CBuffer::At(uint32_t offset) const {
  return (data_ && offset < size_) ? data_ + offset : nullptr;
}

uint8_t* CBuffer::Tail(uint32_t n) const {
  return (data_ && capacity_ - size_ >= n) ? data_ + size_ : nullptr;
}

bool CBuffer::Commit(uint32_t n) {
  if (capacity_ - size_ < n) return false;
  size_ += n;
  return true;
}

void CBuffer::ToString(std::string& out) const {
  if (!data_ || size_ == 0) {
    out.clear();
    return;
  }
  out.assign(reinterpret_cast<const char*>(data_), size_);
}

void CBuffer::ToWideString(std::wstring& out) const {
  out.clear();
  if (!data_ || size_ < 2) return;
  out.resize(size_ / 2);
  std::memcpy(&out[0], data_, (size_ / 2) * 2);
}

uint8_t* CBuffer::AppendZero() {
  if (!EnsureFree(1)) return nullptr;
  data_[size_++] = 0;
  return data_;
}

uint8_t* CBuffer::AppendWideZero() {
  if (!EnsureFree(2)) return nullptr;
  data_[size_++] = 0;
  data_[size_++] = 0;
  return data_;
}

int CBuffer::XorRange(uint32_t offset, uint32_t length, const uint8_t* key,
                      uint32_t keyLength, uint32_t keyPosition) {
  if (size_ < offset || size_ - offset < length || keyPosition >= keyLength || !key)
    return -1;
  uint8_t* p = data_ + offset;
  for (uint32_t i = 0; i < length; ++i) {
    p[i] ^= key[keyPosition];
    if (++keyPosition == keyLength) keyPosition = 0;
  }
  return static_cast<int>(keyPosition);
}

}  // namespace core
