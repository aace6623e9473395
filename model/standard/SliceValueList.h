// The per-slice integers of a pie.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kel {

// One integer per slice (explosion, height); not written.
class TSliceValueList {
 public:
  int32_t Value(int index) const;
  void SetValue(int index, int32_t value);
  int Count() const { return static_cast<int>(FItems.size()); }

 private:
  std::vector<int32_t> FItems;
};

}  // namespace kel
