#include "model/series/DataSourcesList.h"

#include <algorithm>

namespace kel {

int TDataSourcesList::IndexOf(const TComponent* source) const {
  const auto found = std::find(FItems.begin(), FItems.end(), source);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TDataSourcesList::Remove(const TComponent* source) {
  std::erase(FItems, source);
}

}  // namespace kel
