// The label settings of an axis and its list of custom labels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "persist/TypeInfo.h"

namespace kel {

class TAxisLabelsFormat;

KEL_ENUM(TAxisLabelAlign, alDefault, alOpposite, alCenter)
KEL_ENUM(TAxisLabelStyle, talAuto, talNone, talValue, talMark, talText, talPointValue)
KEL_ENUM(TAxisLabelsPosition, lpAtTick, lpBeforeTick, lpAfterTick, lpCenter)

// How the labels of an axis are laid out. The axis publishes these values
// under names beginning with "Labels"; their visibility is the Visible flag
// of the label format instead.
struct TAxisLabels {
  TAxisLabelAlign FAlign = alDefault;
  bool FAlternate = false;
  bool FBehind = false;
  bool FGridIgnoresSize = false;
  bool FOnAxis = true;
  bool FExponent = false;
  bool FMultiLine = false;
  bool FRoundFirst = true;
  int32_t FAngle = 0;
  int32_t FSeparation = 10;
  int32_t FSize = 0;
  TAxisLabelStyle FStyle = talAuto;
  TAxisLabelsPosition FPosition = lpAtTick;
};

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
