// Advice that a block of memory be backed by huge pages: first use of memory
// costs per page, and a huge page spares that cost for the 511 small pages
// it replaces.
#pragma once

#include <cstddef>

namespace kel {

// Blocks from this size up are worth the advice.
inline constexpr size_t kHugePageWorthwhile = 4 << 20;

// Asks the system to back the block with huge pages where it can; does
// nothing for a smaller block or where the system has none to offer.
void AdviseHugePages(const void* data, size_t bytes);

}  // namespace kel
