#include "persist/HugePages.h"

#include <cstdlib>
#include <new>

namespace kel {

namespace {

constexpr size_t kHugePageSize = 2 << 20;

size_t RoundedToHugePages(size_t bytes) {
  return (bytes + kHugePageSize - 1) / kHugePageSize * kHugePageSize;
}

}  // namespace

void* AllocateLarge(size_t bytes) {
  if (bytes < kHugePageWorthwhile) return ::operator new(bytes);
  void* data = std::aligned_alloc(kHugePageSize, RoundedToHugePages(bytes));
  if (data == nullptr) throw std::bad_alloc();
  AdviseHugePages(data, RoundedToHugePages(bytes));
  return data;
}

void FreeLarge(void* data, size_t bytes) noexcept {
  if (bytes < kHugePageWorthwhile) {
    ::operator delete(data);
  } else {
    std::free(data);
  }
}

}  // namespace kel
