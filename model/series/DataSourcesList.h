// The list of the components a series takes its values from.
#pragma once

#include <cstddef>
#include <vector>

namespace kel {

class TComponent;

// The components a series takes its values from, in the order added: other
// series or non-series sources.
class TDataSourcesList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TComponent* Get(int index) const { return FItems[static_cast<size_t>(index)]; }
  int IndexOf(const TComponent* source) const;
  void Add(TComponent* source) { FItems.push_back(source); }
  void Remove(const TComponent* source);
  void Clear() { FItems.clear(); }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  std::vector<TComponent*> FItems;
};

}  // namespace kel
