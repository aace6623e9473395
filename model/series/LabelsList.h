// The per-point texts of a series.
#pragma once

#include <string>
#include <vector>

namespace kel {

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

}  // namespace kel
