#include "platform/HugePageAdvice.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

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

}  // namespace kel
