#include "model/standard/SliceValueList.h"

namespace kel {

int32_t TSliceValueList::Value(int index) const {
  return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)] : 0;
}

void TSliceValueList::SetValue(int index, int32_t value) {
  if (index < 0) return;
  if (index >= Count()) FItems.resize(static_cast<size_t>(index) + 1, 0);
  FItems[static_cast<size_t>(index)] = value;
}

}  // namespace kel
