// Large buffers in huge pages: first use of memory costs per page, and a huge
// page spares that cost for the 511 small pages it replaces, which counts for
// the value lists and streams of large charts.
#pragma once

#include <cstddef>

#include "platform/HugePageAdvice.h"

namespace kel {

// A block from the heap; a large one aligned to whole huge pages and advised.
// Raises std::bad_alloc when there is no memory.
void* AllocateLarge(size_t bytes);
void FreeLarge(void* data, size_t bytes) noexcept;

// The allocator of large arrays such as value lists.
template <class T>
struct THugePageAllocator {
  using value_type = T;

  THugePageAllocator() = default;
  template <class U>
  explicit THugePageAllocator(const THugePageAllocator<U>&) noexcept {}

  T* allocate(size_t count) { return static_cast<T*>(AllocateLarge(count * sizeof(T))); }
  void deallocate(T* data, size_t count) noexcept { FreeLarge(data, count * sizeof(T)); }
  bool operator==(const THugePageAllocator&) const = default;
};

}  // namespace kel
