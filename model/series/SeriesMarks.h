// The marks of a series: the text boxes drawn beside its points, with their
// per-point positions, custom items, callout and symbol.
#pragma once

#include <cstdint>
#include <memory>

#include "model/series/MarksCallout.h"
#include "model/series/MarksItems.h"
#include "model/series/SeriesMarkShape.h"
#include "model/series/SeriesMarksPositions.h"
#include "model/series/SeriesMarksSymbol.h"

namespace kel {

class TChartSeries;
class TStream;

KEL_ENUM(TMarksAutoHide, maHide, maResize, maNo)

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
  // TextAlignment under its other name.
  TAlignment TextAlign() const { return TextAlignment(); }
  void SetTextAlign(TAlignment value) { SetTextAlignment(value); }
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

// Registers the marks, pointer and legend classes by name.
void RegisterSeriesMarksClasses();

}  // namespace kel
