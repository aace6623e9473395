#include "model/series/SeriesMarksPositions.h"

#include <algorithm>

namespace kel {

TSeriesMarkPosition* TSeriesMarksPositions::Position(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(index)].get();
}

void TSeriesMarksPositions::SetPosition(int index, const TSeriesMarkPosition& position) {
  if (index >= Count()) FItems.resize(static_cast<size_t>(index) + 1);
  FItems[static_cast<size_t>(index)] = std::make_unique<TSeriesMarkPosition>(position);
}

void TSeriesMarksPositions::Append(const TSeriesMarkPosition& position) {
  FItems.push_back(std::make_unique<TSeriesMarkPosition>(position));
}

void TSeriesMarksPositions::Delete(int index) {
  if (index < Count()) FItems.erase(FItems.begin() + index);
}

void TSeriesMarksPositions::Exchange(int index1, int index2) {
  const int needed = std::max(index1, index2) + 1;
  if (needed > Count()) FItems.resize(static_cast<size_t>(needed));
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

bool TSeriesMarksPositions::HasCustom() const {
  return std::any_of(FItems.begin(), FItems.end(),
                     [](const auto& position) { return position && position->Custom; });
}

}  // namespace kel
