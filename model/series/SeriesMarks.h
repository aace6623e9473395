// The marks of a series: the text boxes drawn beside its points, with their
// per-point positions, custom items, callout and symbol.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/series/SeriesPointer.h"
#include "model/titles/CustomTextShape.h"

namespace kel {

class TChartSeries;
class TStream;
class TStringList;
class TStrings;

KEL_ENUM(TSeriesMarksStyle, smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue,
         smsLegend, smsPercentTotal, smsLabelPercentTotal, smsXValue, smsXY, smsSeriesTitle,
         smsPointIndex, smsPercentRelative, smsLabelPercentValue, smsLabelOrValue)
KEL_ENUM(TMarksAutoHide, maHide, maResize, maNo)

struct TPoint32 {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const TPoint32&) const = default;
};

// Where the user placed the mark of one point.
struct TSeriesMarkPosition {
  TPoint32 ArrowFrom;
  bool ArrowFix = false;
  TPoint32 ArrowTo;
  bool Custom = false;
  int32_t Height = 0;
  TPoint32 LeftTop;
  int32_t Width = 0;
  bool operator==(const TSeriesMarkPosition&) const = default;
};

// Mark positions indexed by point; slots may be empty.
class TSeriesMarksPositions {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // Null for an empty slot or an index beyond the end.
  TSeriesMarkPosition* Position(int index) const;
  // Stores position at index, first appending empty slots as needed.
  void SetPosition(int index, const TSeriesMarkPosition& position);
  void Append(const TSeriesMarkPosition& position);
  void Delete(int index);
  void Exchange(int index1, int index2);
  void Clear() { FItems.clear(); }
  // Whether any present position was placed by the user.
  bool HasCustom() const;

 private:
  std::vector<std::unique_ptr<TSeriesMarkPosition>> FItems;
};

class TSeriesMarkShape : public TCustomTextShape {
  KEL_CLASS(TSeriesMarkShape, TCustomTextShape)

 public:
  using TCustomTextShape::TCustomTextShape;

  TSeriesMarksStyle Style() const { return FStyle; }
  void SetStyle(TSeriesMarksStyle value) { SetAndNotify(FStyle, value); }

  void Assign(const TPersistent* source) override;

 private:
  TSeriesMarksStyle FStyle = smsLabelOrValue;
};

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

class TSeriesMarks;

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

class TSeriesMarksSymbol : public TKelCustomShape {
  KEL_CLASS(TSeriesMarksSymbol, TKelCustomShape)

 public:
  explicit TSeriesMarksSymbol(TCustomKelPanel* parent);
  void SetParentChart(TCustomKelPanel* chart) { FParent = chart; }

  void PrepareShadow(TKelShadow& shadow) override;
  void PrepareEmboss(TKelEmboss& emboss) override;
};

class TSeriesMarks : public TSeriesMarkShape {
  KEL_CLASS(TSeriesMarks, TSeriesMarkShape)

 public:
  explicit TSeriesMarks(TChartSeries* series);
  ~TSeriesMarks() override;

  TChartSeries* Series() const { return FSeries; }
  // The chart the marks, their callout and symbol draw on.
  void SetParentChart(TCustomKelPanel* chart);

  int32_t Angle() const { return FAngle; }
  void SetAngle(int32_t value) { SetAndNotify(FAngle, value); }
  TMarksAutoHide AutoHide() const { return FAutoHide; }
  void SetAutoHide(TMarksAutoHide value) { SetAndNotify(FAutoHide, value); }
  bool AutoPosition() const { return FAutoPosition; }
  void SetAutoPosition(bool value) { SetAndNotify(FAutoPosition, value); }
  bool Clip() const { return FClip; }
  void SetClip(bool value) { SetAndNotify(FClip, value); }
  int32_t DrawEvery() const { return FDrawEvery; }
  void SetDrawEvery(int32_t value) { SetAndNotify(FDrawEvery, value); }
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value) { SetAndNotify(FMultiLine, value); }
  bool SoftClip() const { return FSoftClip; }
  void SetSoftClip(bool value) { SetAndNotify(FSoftClip, value); }
  bool UseSeriesTransparency() const { return FUseSeriesTransparency; }
  void SetUseSeriesTransparency(bool value) { SetAndNotify(FUseSeriesTransparency, value); }
  bool FontSeriesColor = false;
  bool OnTop = false;

  // Created on first access.
  TMarksCallout* Callout();
  void SetCallout(TMarksCallout* value);
  TSeriesMarksSymbol* Symbol();
  void SetSymbol(TSeriesMarksSymbol* value);
  // The callout's arrow pen and length.
  TWhitePen* Arrow();
  void SetArrow(TWhitePen* value);
  int32_t ArrowLength();
  void SetArrowLength(int32_t value);
  // Color under its older name.
  TColor BackColor() const { return Color(); }
  void SetBackColor(TColor value) { SetColor(value); }
  bool IsColorStored() const { return Color() != kMarksColor; }
  // TextAlignment under its other name.
  TAlignment TextAlign() const { return TextAlignment(); }
  void SetTextAlign(TAlignment value) { SetTextAlignment(value); }
  bool IsTextAlignStored() const { return TextAlignment() != taCenter; }
  bool IsTextAlignmentStoredForMarks() const;

  TSeriesMarksPositions& Positions() { return FPositions; }
  TMarksItems& Items() { return FItems; }

  // Empties the positions, and the custom items unless they were read from
  // a file.
  void Clear();

  void Assign(const TPersistent* source) override;
  // Adds the binary "Items" block after the shape's legacy entries.
  void DefineProperties(TFiler& filer) override;
  void PrepareShadow(TKelShadow& shadow) override;
  void PrepareEmboss(TKelEmboss& emboss) override;

  // The block of the custom items.
  void WriteItems(TStream& stream);
  void ReadItems(TStream& stream);

  static constexpr TColor kMarksColor = static_cast<TColor>(0xE1FFFF);

 private:
  TChartSeries* FSeries;
  int32_t FAngle = 0;
  TMarksAutoHide FAutoHide = maHide;
  bool FAutoPosition = true;
  std::unique_ptr<TMarksCallout> FCallout;
  bool FClip = false;
  int32_t FDrawEvery = 1;
  bool FMultiLine = false;
  bool FSoftClip = false;
  std::unique_ptr<TSeriesMarksSymbol> FSymbol;
  bool FUseSeriesTransparency = true;
  TSeriesMarksPositions FPositions;
  TMarksItems FItems;
};

// The series' entry in the chart legend: its text is the series' legend
// title and its visibility the series' ShowInLegend.
class TSeriesLegend : public TCustomTextShape {
  KEL_CLASS(TSeriesLegend, TCustomTextShape)

 public:
  using TCustomTextShape::TCustomTextShape;
  void SetParentChart(TCustomKelPanel* chart) { FParent = chart; }
};

// Registers the marks, pointer and legend classes by name.
void RegisterSeriesMarksClasses();

}  // namespace kel
