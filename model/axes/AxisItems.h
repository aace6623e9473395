// The custom labels of an axis.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kel {

class TAxisLabelsFormat;

// A label that the user placed at a value of the axis.
struct TAxisItem {
  double Value = 0;
  std::u16string Text;
};

// The custom labels of an axis (never stored in a chart file) and the format
// that the axis's labels are drawn with, which the list owns.
class TAxisItems {
 public:
  explicit TAxisItems(std::unique_ptr<TAxisLabelsFormat> format);
  ~TAxisItems();
  TAxisItems(const TAxisItems&) = delete;
  TAxisItems& operator=(const TAxisItems&) = delete;

  TAxisLabelsFormat& Format() const { return *FFormat; }

  int Count() const { return static_cast<int>(FItems.size()); }
  const TAxisItem& Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  void Add(double value, std::u16string text);
  void Clear() { FItems.clear(); }
  // Copies the labels and the format.
  void Assign(const TAxisItems& source);

 private:
  std::unique_ptr<TAxisLabelsFormat> FFormat;
  std::vector<TAxisItem> FItems;
};

}  // namespace kel
