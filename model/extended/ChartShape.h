// The shape series: one figure spanning two corner points, with a text
// inside. Its corners are its first two points, also published as X0, Y0, X1
// and Y1 so that a chart saved without data keeps them.
#pragma once

#include <memory>

#include "model/attributes/CustomShape.h"
#include "model/series/ChartSeries.h"

namespace kel {

class TKelFont;
class TStringList;
class TStrings;

KEL_ENUM(TChartShapeStyle,
         chasRectangle,
         chasCircle,
         chasVertLine,
         chasHorizLine,
         chasTriangle,
         chasInvertTriangle,
         chasLine,
         chasDiamond,
         chasCube,
         chasCross,
         chasDiagCross,
         chasStar,
         chasPyramid,
         chasInvertPyramid)
KEL_ENUM(TChartShapeXYStyle, xysPixels, xysAxis, xysAxisOrigin)
KEL_ENUM(TKelVertAlign, vaTop, vaCenter, vaBottom)

class TChartShape : public TChartSeries {
  KEL_CLASS(TChartShape, TChartSeries)

 public:
  explicit TChartShape(TComponent* owner);
  ~TChartShape() override;

  // Reading a corner first adds (0, 0) points until the corner exists;
  // setting one stores it in place, without re-ordering the points.
  double X0();
  void SetX0(double value);
  double Y0();
  void SetY0(double value);
  double X1();
  void SetX1(double value);
  double Y1();
  void SetY1(double value);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TKelFont* Font() const { return FFont.get(); }
  void SetFont(TKelFont* value);
  // The brush's gradient, created on first access.
  TKelGradient* Gradient() const;
  void SetGradient(TKelGradient* value);
  TStringList* Text() const { return FText.get(); }
  void SetText(TStrings* value);
  bool RoundRectangle() const { return FRoundRectangle; }
  void SetRoundRectangle(bool value);
  TChartShapeStyle Style() const { return FStyle; }
  void SetStyle(TChartShapeStyle value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  TKelVertAlign VertAlign() const { return FVertAlign; }
  void SetVertAlign(TKelVertAlign value);
  TChartShapeXYStyle XYStyle() const { return FXYStyle; }
  void SetXYStyle(TChartShapeXYStyle value);

  // Also colours the brush.
  void SetSeriesColor(TColor value) override;
  // Keeps the points in the block's order, so that the first is X0, Y0 also
  // when the corners are not in ascending X order.
  void ReadSeriesData(TStream& stream) override;
  bool AcceptsPointsOf(const TChartSeries& source) const override;
  void Assign(const TPersistent* source) override;

 private:
  // Adds (0, 0) points until the series has count of them.
  void EnsurePoints(int count);
  double Corner(int point, TChartValueList* list);
  void SetCorner(int point, TChartValueList* list, double value);

  TAlignment FAlignment = taCenter;
  std::unique_ptr<TKelFont> FFont;
  bool FRoundRectangle = false;
  TChartShapeStyle FStyle = chasCircle;
  std::unique_ptr<TStringList> FText;
  bool FTransparent = false;
  TKelVertAlign FVertAlign = vaCenter;
  TChartShapeXYStyle FXYStyle = xysAxis;
};

}  // namespace kel
