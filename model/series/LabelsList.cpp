#include "model/series/LabelsList.h"

#include <algorithm>

#include "persist/NameCompare.h"

namespace kel {

namespace {
const std::u16string kNoLabel;
}

const std::u16string& TLabelsList::GetLabel(int index) const {
  if (index < 0 || index >= Count()) return kNoLabel;
  return FItems[static_cast<size_t>(index)];
}

void TLabelsList::SetLabel(int index, std::u16string value) {
  if (index >= Count()) FItems.resize(static_cast<size_t>(index) + 1);
  FItems[static_cast<size_t>(index)] = std::move(value);
}

void TLabelsList::Insert(int index, std::u16string value) {
  if (index > Count()) FItems.resize(static_cast<size_t>(index));
  FItems.insert(FItems.begin() + index, std::move(value));
}

void TLabelsList::Delete(int index) {
  if (index < Count()) FItems.erase(FItems.begin() + index);
}

void TLabelsList::Exchange(int index1, int index2) {
  const int needed = std::max(index1, index2) + 1;
  if (needed > Count()) {
    if (GetLabel(index1).empty() && GetLabel(index2).empty()) return;
    FItems.resize(static_cast<size_t>(needed));
  }
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

int TLabelsList::IndexOfLabel(const std::u16string& text, bool caseSensitive) const {
  for (int i = 0; i < Count(); ++i) {
    const std::u16string& label = FItems[static_cast<size_t>(i)];
    if (caseSensitive ? label == text : SameTextAscii(label, text)) return i;
  }
  return -1;
}

}  // namespace kel
