// A chart axis: its scale (automatic or fixed bounds, increment, logarithmic
// scale), its place in the chart, its labels, title, pens and background.
// Every axis is a collection item, so that custom axes and sub-axes are stored
// as the items of a TChartCustomAxes collection; the six standard axes are
// made for the chart's CustomAxes without joining it (see ChartAxes.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/axes/AxisItems.h"
#include "model/axes/AxisLabels.h"
#include "model/base/KelUnits.h"
#include "persist/ClassDeclaration.h"
#include "persist/Exceptions.h"

namespace kel {

class IAxisChart;
class TAxisBackShape;
class TAxisGridPen;
class TChartAxes;
class TChartAxisPen;
class TChartAxisTitle;
class TChartCustomAxes;
class TKelFont;
class TKelHiddenPen;
class TTicks;
struct TStandardAxes;

// A setter of an axis refused a value.
class EAxisError : public Exception {
 public:
  explicit EAxisError(const std::string& message) : Exception(message) {}
};

class TChartAxis : public TCollectionItem {
  KEL_CLASS(TChartAxis, TCollectionItem)

 public:
  // An axis for collection, which must be a TChartCustomAxes (or null for an
  // axis without chart). The collection inserts it; the axis only takes its
  // chart from it, and its master when the collection is an axis's SubAxes.
  explicit TChartAxis(TCollection* collection);
  ~TChartAxis() override;

  IAxisChart* ParentChart() const { return FParentChart; }
  // The axis whose SubAxes hold this one; null for the others.
  TChartAxis* Master() const { return FMaster; }
  // "Bottom", "Top", "Left", "Right", "Depth" or "DepthTop" for the standard
  // axes; empty for the others.
  const std::u16string& AxisID() const { return IAxisID; }
  bool IsDepthAxis() const { return IDepthAxis; }
  // A custom axis or a sub-axis: one that writes Horizontal and OtherSide.
  bool IsCustom() const;

  // Scale.
  bool Automatic() const { return FAutomatic; }
  void SetAutomatic(bool value);
  bool AutomaticMaximum() const { return FAutomaticMaximum; }
  void SetAutomaticMaximum(bool value);
  bool AutomaticMinimum() const { return FAutomaticMinimum; }
  void SetAutomaticMinimum(bool value);
  double Maximum() const { return FMaximumValue; }
  void SetMaximum(double value);
  double Minimum() const { return FMinimumValue; }
  void SetMinimum(double value);
  // Fixes both bounds, the smaller one as Minimum, at least 1e-10 apart, and
  // passes them on to the sub-axes.
  void SetMinMax(double maximum, double minimum);
  double Increment() const { return FDesiredIncrement; }
  void SetIncrement(double value);
  bool Logarithmic() const { return FLogarithmic; }
  void SetLogarithmic(bool value);
  double LogarithmicBase() const { return FLogarithmicBase; }
  void SetLogarithmicBase(double value);
  // The bounds the axis would show now: the fixed ones, or the series' bounds
  // (0 without series) where the axis is automatic.
  void CalcMinMax(double& minimum, double& maximum) const;
  int32_t MaximumOffset() const { return FMaximumOffset; }
  void SetMaximumOffset(int32_t value) { SetAndRepaint(FMaximumOffset, value); }
  int32_t MinimumOffset() const { return FMinimumOffset; }
  void SetMinimumOffset(int32_t value) { SetAndRepaint(FMinimumOffset, value); }
  bool MaximumRound() const { return FMaximumRound; }
  void SetMaximumRound(bool value) { SetAndRepaint(FMaximumRound, value); }
  bool MinimumRound() const { return FMinimumRound; }
  void SetMinimumRound(bool value) { SetAndRepaint(FMinimumRound, value); }

  // Formats of the label values.
  const std::u16string& AxisValuesFormat() const { return FAxisValuesFormat; }
  void SetAxisValuesFormat(std::u16string value) { SetAndRepaint(FAxisValuesFormat, value); }
  const std::u16string& DateTimeFormat() const { return FDateTimeFormat; }
  void SetDateTimeFormat(std::u16string value) { SetAndRepaint(FDateTimeFormat, value); }
  bool ExactDateTime() const { return FExactDateTime; }
  void SetExactDateTime(bool value) { SetAndRepaint(FExactDateTime, value); }

  // Place and orientation.
  bool Inverted() const { return FInverted; }
  void SetInverted(bool value);
  bool Horizontal() const { return FHorizontal; }
  void SetHorizontal(bool value) { SetAndRepaint(FHorizontal, value); }
  bool OtherSide() const { return FOtherSide; }
  void SetOtherSide(bool value) { SetAndRepaint(FOtherSide, value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetAndRepaint(FVisible, value); }
  double StartPosition() const { return FStartPosition; }
  void SetStartPosition(double value) { SetAndRepaint(FStartPosition, value); }
  double EndPosition() const { return FEndPosition; }
  void SetEndPosition(double value) { SetAndRepaint(FEndPosition, value); }
  double PositionPercent() const { return FPositionPercent; }
  void SetPositionPercent(double value) { SetAndRepaint(FPositionPercent, value); }
  TKelUnits PositionUnits() const { return FPosUnits; }
  void SetPositionUnits(TKelUnits value) { SetAndRepaint(FPosUnits, value); }
  double ZPosition() const { return FZPosition; }
  // Never holds 0 once set: 0 becomes 0.01.
  void SetZPosition(double value);

  // Labels.
  const TAxisLabels& LabelSettings() const { return FLabels; }
  TAxisItems& Items() { return *FAxisItems; }
  TAxisLabelsFormat* LabelsFormat() const;
  void SetLabelsFormat(TAxisLabelsFormat* value);
  TKelFont* LabelsFont() const;
  void SetLabelsFont(TKelFont* value);
  bool Labels() const;
  void SetLabels(bool value);
  TAxisLabelAlign LabelsAlign() const { return FLabels.FAlign; }
  void SetLabelsAlign(TAxisLabelAlign value) { SetAndRepaint(FLabels.FAlign, value); }
  bool LabelsAlternate() const { return FLabels.FAlternate; }
  void SetLabelsAlternate(bool value) { SetAndRepaint(FLabels.FAlternate, value); }
  int32_t LabelsAngle() const { return FLabels.FAngle; }
  // Stores the angle modulo 360.
  void SetLabelsAngle(int32_t value) { SetAndRepaint(FLabels.FAngle, value % 360); }
  bool LabelsBehind() const { return FLabels.FBehind; }
  void SetLabelsBehind(bool value) { SetAndRepaint(FLabels.FBehind, value); }
  bool LabelsExponent() const { return FLabels.FExponent; }
  void SetLabelsExponent(bool value) { SetAndRepaint(FLabels.FExponent, value); }
  bool LabelsGridIgnoresLabelSize() const { return FLabels.FGridIgnoresSize; }
  void SetLabelsGridIgnoresLabelSize(bool value) { SetAndRepaint(FLabels.FGridIgnoresSize, value); }
  bool LabelsMultiLine() const { return FLabels.FMultiLine; }
  void SetLabelsMultiLine(bool value) { SetAndRepaint(FLabels.FMultiLine, value); }
  bool LabelsOnAxis() const { return FLabels.FOnAxis; }
  void SetLabelsOnAxis(bool value) { SetAndRepaint(FLabels.FOnAxis, value); }
  int32_t LabelsSeparation() const { return FLabels.FSeparation; }
  void SetLabelsSeparation(int32_t value);
  int32_t LabelsSize() const { return FLabels.FSize; }
  void SetLabelsSize(int32_t value) { SetAndRepaint(FLabels.FSize, value); }
  TAxisLabelStyle LabelStyle() const { return FLabels.FStyle; }
  void SetLabelStyle(TAxisLabelStyle value) { SetAndRepaint(FLabels.FStyle, value); }
  bool RoundFirstLabel() const { return FLabels.FRoundFirst; }
  void SetRoundFirstLabel(bool value) { SetAndRepaint(FLabels.FRoundFirst, value); }

  // Pens and ticks.
  TChartAxisPen* Axis() const { return FAxis.get(); }
  void SetAxis(TChartAxisPen* value);
  TAxisGridPen* Grid() const { return FGrid.get(); }
  void SetGrid(TAxisGridPen* value);
  bool GridCentered() const;
  void SetGridCentered(bool value);
  TKelHiddenPen* MinorGrid() const { return FMinorGrid.get(); }
  void SetMinorGrid(TKelHiddenPen* value);
  TTicks* Ticks() const { return FTicks.get(); }
  void SetTicks(TTicks* value);
  TTicks* TicksInner() const { return FTicksInner.get(); }
  void SetTicksInner(TTicks* value);
  TTicks* MinorTicks() const { return FMinorTicks.get(); }
  void SetMinorTicks(TTicks* value);
  int32_t MinorTickCount() const { return FMinorTickCount; }
  void SetMinorTickCount(int32_t value) { SetAndRepaint(FMinorTickCount, value); }
  int32_t MinorTickLength() const { return FMinorTickLength; }
  void SetMinorTickLength(int32_t value) { SetAndRepaint(FMinorTickLength, value); }
  int32_t TickInnerLength() const { return FTickInnerLength; }
  void SetTickInnerLength(int32_t value) { SetAndRepaint(FTickInnerLength, value); }
  int32_t TickLength() const { return FTickLength; }
  void SetTickLength(int32_t value) { SetAndRepaint(FTickLength, value); }
  bool TickOnLabelsOnly() const { return FTickOnLabelsOnly; }
  void SetTickOnLabelsOnly(bool value) { SetAndRepaint(FTickOnLabelsOnly, value); }

  // Title, background and partner.
  // Created on first access.
  TChartAxisTitle* Title();
  void SetTitle(TChartAxisTitle* value);
  int32_t TitleSize() const { return FTitleSize; }
  void SetTitleSize(int32_t value) { SetAndRepaint(FTitleSize, value); }
  // Created on first access, hidden.
  TAxisBackShape* Shape();
  void SetShape(TAxisBackShape* value);
  TChartAxis* PartnerAxis() const { return FPartnerAxis; }
  void SetPartnerAxis(TChartAxis* value) { SetAndRepaint(FPartnerAxis, value); }
  bool UsePartnerAxis() const { return FUsePartnerAxis; }
  void SetUsePartnerAxis(bool value) { SetAndRepaint(FUsePartnerAxis, value); }

  // Created on first access.
  TChartCustomAxes* SubAxes();
  void SetSubAxes(TChartCustomAxes* value);
  // The sub-axes when they exist; null otherwise.
  TChartCustomAxes* ExistingSubAxes() const { return FSubAxes.get(); }

  TMethod FOnDrawLabel;

  // Write rules that are not a plain comparison with a table default.
  bool IsAxisValuesFormatStored() const;
  bool IsLogarithmicBaseStored() const { return FLogarithmicBase != 10; }
  bool IsMaximumStored() const { return !FAutomatic && !FAutomaticMaximum; }
  bool IsMinimumStored() const { return !FAutomatic && !FAutomaticMinimum; }
  bool IsEndPositionStored() const { return FEndPosition != 100; }
  bool IsPartnerAxisStored() const;
  bool IsShapeStored() const { return FShape != nullptr; }
  bool IsSubAxesStored() const;
  bool IsZPositionStored() const;

  void Assign(const TPersistent* source) override;

 protected:
  // Stores value and repaints the chart, unless the field already holds it.
  template <class T, class U>
  void SetAndRepaint(T& field, U&& value) {
    if (field == value) return;
    field = std::forward<U>(value);
    Repaint();
  }
  void Repaint() const;

 private:
  friend TStandardAxes CreateStandardAxes(TChartCustomAxes& customAxes);
  // Clears the references to gone that this axis and its sub-axes hold.
  void ForgetPartner(const TChartAxis* gone);

  IAxisChart* FParentChart = nullptr;
  // The chart's axis list, which holds this axis unless it is a sub-axis.
  TChartAxes* FChartAxes = nullptr;
  TChartAxis* FMaster = nullptr;
  std::u16string IAxisID;
  bool IDepthAxis = false;

  bool FAutomatic = true;
  bool FAutomaticMaximum = true;
  bool FAutomaticMinimum = true;
  double FDesiredIncrement = 0;
  double FMaximumValue = 0;
  double FMinimumValue = 0;
  bool FLogarithmic = false;
  double FLogarithmicBase = 10;
  int32_t FMaximumOffset = 0;
  int32_t FMinimumOffset = 0;
  bool FMaximumRound = false;
  bool FMinimumRound = false;
  std::unique_ptr<TAxisItems> FAxisItems;
  TAxisLabels FLabels;
  std::u16string FAxisValuesFormat;
  std::u16string FDateTimeFormat;
  bool FExactDateTime = true;
  std::unique_ptr<TChartAxisPen> FAxis;
  double FZPosition = 0;
  int32_t FTitleSize = 0;
  std::unique_ptr<TAxisGridPen> FGrid;
  std::unique_ptr<TKelHiddenPen> FMinorGrid;
  int32_t FMinorTickCount = 3;
  int32_t FMinorTickLength = 2;
  std::unique_ptr<TTicks> FMinorTicks;
  std::unique_ptr<TTicks> FTicks;
  std::unique_ptr<TTicks> FTicksInner;
  int32_t FTickInnerLength = 0;
  int32_t FTickLength = 4;
  bool FTickOnLabelsOnly = true;
  bool FUsePartnerAxis = false;
  TChartAxis* FPartnerAxis = nullptr;
  std::unique_ptr<TChartCustomAxes> FSubAxes;
  bool FInverted = false;
  bool FHorizontal = false;
  bool FOtherSide = false;
  bool FVisible = true;
  double FStartPosition = 0;
  double FEndPosition = 100;
  double FPositionPercent = 0;
  TKelUnits FPosUnits = muPercent;
  std::unique_ptr<TAxisBackShape> FShape;
  std::unique_ptr<TChartAxisTitle> FAxisTitle;
};

// The two depth axes: hidden at first, labelled with the series' titles.
class TChartDepthAxis : public TChartAxis {
  KEL_CLASS(TChartDepthAxis, TChartAxis)

 public:
  explicit TChartDepthAxis(TCollection* collection);

  bool LabelsAsSeriesTitles() const { return FLabelsAsTitles; }
  void SetLabelsAsSeriesTitles(bool value) { SetAndRepaint(FLabelsAsTitles, value); }

 private:
  bool FLabelsAsTitles = true;
};

}  // namespace kel
