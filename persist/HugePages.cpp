#include "persist/HugePages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace kel {

void AdviseHugePages(const void* data, size_t bytes) {
#ifdef MADV_HUGEPAGE
  if (data == nullptr || bytes < kHugePageWorthwhile) return;
  // The advice applies to whole pages inside the block.
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(page - 1);
  if (end > start) {
    // Only advice: where it is refused, the memory works as before.
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
  }
#else
  (void)data;
  (void)bytes;
#endif
}

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
