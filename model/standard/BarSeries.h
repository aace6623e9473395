// The bar series, vertical and horizontal. Bars of one class in a chart share
// their layout (MultiBar and SideMargins).
#pragma once

#include <cstdint>
#include <memory>

#include "model/series/ChartSeries.h"

namespace kel {

class TKelEmboss;
class TKelGradient;
class TKelHiddenPen;
class TKelShadow;

KEL_ENUM(TBarRound, brNone, brAtValue, brBothEnds)
KEL_ENUM(TBarStyle,
         bsRectangle,
         bsPyramid,
         bsInvPyramid,
         bsCilinder,
         bsEllipse,
         bsArrow,
         bsRectGradient,
         bsCone,
         bsBevel,
         bsSlantCube,
         bsDiamond,
         bsInvArrow,
         bsInvCone,
         bsCustom,
         bsRoundRectangle)
KEL_ENUM(TMarksLocation, mlStart, mlCenter, mlEnd)
KEL_ENUM(TMultiBar, mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack)

class TCustomBarSeries : public TChartSeries {
  KEL_CLASS(TCustomBarSeries, TChartSeries)

 public:
  explicit TCustomBarSeries(TComponent* owner);
  ~TCustomBarSeries() override;

  bool CalcVisiblePoints = true;

  // Back to bsRectangle from another style hides the gradient.
  TBarStyle BarStyle() const { return FBarStyle; }
  void SetBarStyle(TBarStyle value);

  // Shared by the chart's series of this class: a new MultiBar, or any
  // SideMargins, is copied into all of them.
  TMultiBar MultiBar() const { return FMultiBar; }
  void SetMultiBar(TMultiBar value);
  bool SideMargins() const { return FSideMargins; }
  void SetSideMargins(bool value);

  // The marks' AutoPosition.
  bool AutoMarkPosition() const;
  void SetAutoMarkPosition(bool value);

  // The element brush's gradient.
  TKelGradient* Gradient() const;
  void SetGradient(TKelGradient* value);
  TKelEmboss* Emboss() const { return FEmboss.get(); }
  void SetEmboss(TKelEmboss* value);
  TKelShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TKelShadow* value);
  // Created on first access.
  TKelHiddenPen* TickLines();
  void SetTickLines(TKelHiddenPen* value);

  // Joining a chart takes the layout of the chart's first bar of this class.
  void SetParentChart(TCustomAxisPanel* value) override;

 private:
  // Copies the layout into every bar of the chart that is of this class.
  void ShareLayout();

  bool FAutoBarSize = false;
  TBarRound FBarRound = brAtValue;
  int32_t FBarWidthPercent = 70;
  int32_t FBevelSize = 1;
  int32_t FConePercent = 0;
  bool FDark3D = true;
  int32_t FDarkPen = 0;
  int32_t FDepthPercent = 100;
  bool FGradientRelative = false;
  TMarksLocation FMarksLocation = mlEnd;
  bool FMarksOnBar = false;
  int32_t FOffsetPercent = 0;
  int32_t FRoundSize = 16;
  int32_t FSides = 32;
  int32_t FStackGroup = 0;
  bool FUseYOrigin = true;
  double FYOrigin = 0;
  TMethod FOnGetBarStyle;
  TBarStyle FBarStyle = bsRectangle;
  TMultiBar FMultiBar = mbSide;
  bool FSideMargins = true;
  std::unique_ptr<TKelEmboss> FEmboss;
  std::unique_ptr<TKelShadow> FShadow;
  std::unique_ptr<TKelHiddenPen> FTickLines;
};

class TBarSeries : public TCustomBarSeries {
  KEL_CLASS(TBarSeries, TCustomBarSeries)

 public:
  explicit TBarSeries(TComponent* owner);

  int32_t FCustomBarWidth = 0;
};

// Bars along the Y axis: X is the mandatory list.
class THorizBarSeries : public TCustomBarSeries {
  KEL_CLASS(THorizBarSeries, TCustomBarSeries)

 public:
  explicit THorizBarSeries(TComponent* owner);

  int32_t FCustomBarHeight = 0;
};

}  // namespace kel
