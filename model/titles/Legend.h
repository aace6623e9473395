// The chart's legend, with its title and symbol.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/base/KelUnits.h"
#include "model/titles/CustomShapePosition.h"
#include "model/titles/LegendTitle.h"
#include "persist/Exceptions.h"

namespace kel {

class IChartLink;
class TKelHiddenPen;
class TLegendSymbol;

// Failures of the legend's settings.
class LegendException : public Exception {
 public:
  explicit LegendException(const std::string& message) : Exception(message) {}
};

KEL_ENUM(TLegendAlignment, laLeft, laRight, laTop, laBottom)
KEL_ENUM(TCheckBoxesStyle, cbsCheck, cbsRadio)
KEL_ENUM(TLegendStyle, lsAuto, lsSeries, lsValues, lsLastValues, lsSeriesGroups)
KEL_ENUM(TLegendTextStyle,
         ltsPlain,
         ltsLeftValue,
         ltsRightValue,
         ltsLeftPercent,
         ltsRightPercent,
         ltsXValue,
         ltsValue,
         ltsPercent,
         ltsXAndValue,
         ltsXAndPercent,
         ltsXAndText)

class TCustomChartLegend : public TKelCustomShapePosition {
  KEL_CLASS(TCustomChartLegend, TKelCustomShapePosition)

 public:
  explicit TCustomChartLegend(TCustomKelPanel* parent);
  ~TCustomChartLegend() override;

  // The chart whose series the legend lists; none until the chart sets it.
  void SetChart(IChartLink* chart) { FChart = chart; }

  TLegendAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TLegendAlignment value) { SetAndNotify(FAlignment, value); }
  bool CheckBoxes() const { return FCheckBoxes; }
  void SetCheckBoxes(bool value) { SetAndNotify(FCheckBoxes, value); }
  TCheckBoxesStyle CheckBoxesStyle() const { return FCheckBoxesStyle; }
  // Radio buttons leave only the first active series of the legend active.
  void SetCheckBoxesStyle(TCheckBoxesStyle value);
  // The symbol's width.
  int32_t ColorWidth() const;
  void SetColorWidth(int32_t value);
  bool CurrentPage() const { return FCurrentPage; }
  void SetCurrentPage(bool value) { SetAndNotify(FCurrentPage, value); }
  bool DrawBehind() const { return FDrawBehind; }
  void SetDrawBehind(bool value) { SetAndNotify(FDrawBehind, value); }
  int32_t FirstValue() const { return FFirstValue; }
  // Raises LegendException "First Legend Value must be > 0" below 0.
  void SetFirstValue(int32_t value);
  bool FontSeriesColor() const { return FFontSeriesColor; }
  void SetFontSeriesColor(bool value) { SetAndNotify(FFontSeriesColor, value); }
  TKelTransparency GlobalTransparency() const { return FGlobalTransp; }
  void SetGlobalTransparency(TKelTransparency value) { SetAndNotify(FGlobalTransp, value); }
  int32_t HorizMargin() const { return FHorizMargin; }
  void SetHorizMargin(int32_t value) { SetAndNotify(FHorizMargin, value); }
  bool Inverted() const { return FInverted; }
  void SetInverted(bool value) { SetAndNotify(FInverted, value); }
  int32_t LeftPercent() const { return FLeftPercent; }
  void SetLeftPercent(int32_t value) { SetAndNotify(FLeftPercent, value); }
  TLegendStyle LegendStyle() const { return FLegendStyle; }
  void SetLegendStyle(TLegendStyle value) { SetAndNotify(FLegendStyle, value); }
  int32_t MaxNumRows() const { return FMaxNumRows; }
  void SetMaxNumRows(int32_t value) { SetAndNotify(FMaxNumRows, value); }
  TKelUnits PositionUnits() const { return FPosUnits; }
  void SetPositionUnits(TKelUnits value) { SetAndNotify(FPosUnits, value); }
  bool ResizeChart() const { return FResizeChart; }
  void SetResizeChart(bool value) { SetAndNotify(FResizeChart, value); }
  TLegendTextStyle TextStyle() const { return FTextStyle; }
  void SetTextStyle(TLegendTextStyle value) { SetAndNotify(FTextStyle, value); }
  int32_t TextSymbolGap() const { return FTextSymbolGap; }
  void SetTextSymbolGap(int32_t value) { SetAndNotify(FTextSymbolGap, value); }
  int32_t TopPercent() const { return FTopPercent; }
  void SetTopPercent(int32_t value) { SetAndNotify(FTopPercent, value); }
  int32_t TopPos() const { return FTopLeftPos; }
  void SetTopPos(int32_t value) { SetAndNotify(FTopLeftPos, value); }
  int32_t VertMargin() const { return FVertMargin; }
  void SetVertMargin(int32_t value) { SetAndNotify(FVertMargin, value); }
  int32_t VertSpacing() const { return FVertSpacing; }
  void SetVertSpacing(int32_t value) { SetAndNotify(FVertSpacing, value); }

  TKelHiddenPen* DividingLines() const { return FDividingLines.get(); }
  void SetDividingLines(TKelHiddenPen* value);
  TLegendSymbol* Symbol() const { return FSymbol.get(); }
  void SetSymbol(TLegendSymbol* value);
  // Created on first access.
  TLegendTitle* Title();
  void SetTitle(TLegendTitle* value);
  bool HasTitle() const { return FTitle != nullptr; }

  void Assign(const TPersistent* source) override;

 private:
  IChartLink* FChart = nullptr;
  TLegendAlignment FAlignment = laRight;
  bool FCheckBoxes = false;
  TCheckBoxesStyle FCheckBoxesStyle = cbsCheck;
  bool FCurrentPage = true;
  std::unique_ptr<TKelHiddenPen> FDividingLines;
  bool FDrawBehind = false;
  int32_t FFirstValue = 0;
  bool FFontSeriesColor = false;
  TKelTransparency FGlobalTransp = 0;
  int32_t FHorizMargin = 0;
  bool FInverted = false;
  int32_t FLeftPercent = 0;
  TLegendStyle FLegendStyle = lsAuto;
  int32_t FMaxNumRows = 0;
  TKelUnits FPosUnits = muPixels;
  bool FResizeChart = true;
  std::unique_ptr<TLegendSymbol> FSymbol;
  TLegendTextStyle FTextStyle = ltsLeftValue;
  int32_t FTextSymbolGap = 2;
  std::unique_ptr<TLegendTitle> FTitle;
  int32_t FTopLeftPos = 10;
  int32_t FTopPercent = 0;
  int32_t FVertMargin = 0;
  int32_t FVertSpacing = 0;
};

// Publishes the legend's settings.
class TChartLegend : public TCustomChartLegend {
  KEL_CLASS(TChartLegend, TCustomChartLegend)

 public:
  using TCustomChartLegend::TCustomChartLegend;
};

}  // namespace kel
