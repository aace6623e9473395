// The per-point texts of a series and its list of data sources.
#pragma once

#include <string>
#include <vector>

namespace kel {

class TComponent;

// Labels indexed by point; the list may be shorter than the series, and the
// missing entries read as empty.
class TLabelsList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // Empty beyond the end.
  const std::u16string& GetLabel(int index) const;
  // Extends the list with empty entries as needed.
  void SetLabel(int index, std::u16string value);
  // Inserts at index, first extending the list with empty entries up to it.
  void Insert(int index, std::u16string value);
  void Delete(int index);
  void Exchange(int index1, int index2);
  void Clear() { FItems.clear(); }
  // The first index whose label equals text, or -1.
  int IndexOfLabel(const std::u16string& text, bool caseSensitive) const;
  bool CaseSensitive = true;

 private:
  std::vector<std::u16string> FItems;
};

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
