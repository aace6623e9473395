// The custom marks of single points and their list by point index.
#pragma once

#include <memory>
#include <vector>

#include "model/titles/CustomTextShape.h"

namespace kel {

class TSeriesMarks;
class TStringList;
class TStrings;

// The custom mark of one point; its text is a list of lines kept in step with
// the text shape's text.
class TMarksItem : public TCustomTextShape {
  KEL_CLASS(TMarksItem, TCustomTextShape)

 public:
  explicit TMarksItem(TCustomKelPanel* parent);
  ~TMarksItem() override;
  void SetParentChart(TCustomKelPanel* chart) { FParent = chart; }

  TStringList* Lines() const { return FLines.get(); }
  void SetLines(TStrings* value);
  bool CustomText = false;

  void Assign(const TPersistent* source) override;

 protected:
  void TextChanged() override;

 private:
  void LinesChanged();

  std::unique_ptr<TStringList> FLines;
  bool FFollowingText = false;
};

// The custom mark items by point index; slots may be empty.
class TMarksItems {
 public:
  explicit TMarksItems(TSeriesMarks& marks) : FMarks(marks) {}

  int Count() const { return static_cast<int>(FItems.size()); }
  // The item of index, created (as a copy of the marks' appearance, with
  // empty slots appended before it) when absent.
  TMarksItem* Item(int index);
  // Null for an empty slot or beyond the end.
  TMarksItem* Existing(int index) const;
  void Delete(int index);
  void Exchange(int index1, int index2);
  void Clear() { FItems.clear(); }
  void SetParentChart(TCustomKelPanel* chart);
  // Set once items were read from a file: clearing the series keeps them.
  bool ILoadedFromFile = false;

 private:
  TSeriesMarks& FMarks;
  std::vector<std::unique_ptr<TMarksItem>> FItems;
};

}  // namespace kel
