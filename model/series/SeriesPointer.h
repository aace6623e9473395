// The pointer shape base that series draw their points with.
#pragma once

#include <cstdint>
#include <memory>

#include "model/attributes/CustomShape.h"

namespace kel {

class TChartSeries;
class TKelEmboss;
class TKelGradient;
class TKelPicture;
class TKelShadow;

KEL_ENUM(TSeriesPointerStyle,
         psRectangle,
         psCircle,
         psTriangle,
         psDownTriangle,
         psCross,
         psDiagCross,
         psStar,
         psDiamond,
         psSmallDot,
         psNothing,
         psLeftTriangle,
         psRightTriangle,
         psHexagon,
         psVisual,
         psDonut)

class TSeriesPointer : public TKelCustomShapeBrushPen {
  KEL_CLASS(TSeriesPointer, TKelCustomShapeBrushPen)

 public:
  explicit TSeriesPointer(TChartSeries* series);
  ~TSeriesPointer() override;

  TChartSeries* Series() const { return FSeries; }
  void SetParentChart(TCustomKelPanel* chart) { FParent = chart; }

  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool value) { SetAndNotify(FDark3D, value); }
  int32_t Depth() const { return FDepth; }
  void SetDepth(int32_t value) { SetAndNotify(FDepth, value); }
  bool Draw3D() const { return FDraw3D; }
  void SetDraw3D(bool value) { SetAndNotify(FDraw3D, value); }
  bool FullGradient() const { return FFullGradient; }
  void SetFullGradient(bool value) { SetAndNotify(FFullGradient, value); }
  // Sets FullGradient and the default it is written against.
  void AssignDefaultFullGradient(bool value);
  bool DefaultFullGradient = false;
  int32_t HorizSize() const { return FHorizSize; }
  void SetHorizSize(int32_t value);
  bool InflateMargins() const { return FInflateMargins; }
  void SetInflateMargins(bool value) { SetAndNotify(FInflateMargins, value); }
  TSeriesPointerStyle Style() const { return FStyle; }
  void SetStyle(TSeriesPointerStyle value) { SetAndNotify(FStyle, value); }
  TKelTransparency Transparency() const { return FTransparency; }
  void SetTransparency(TKelTransparency value) { SetAndNotify(FTransparency, value); }
  int32_t VertSize() const { return FVertSize; }
  void SetVertSize(int32_t value);
  // Whether HorizSize and VertSize may change.
  bool AllowChangeSize = true;

  // The brush's gradient.
  TKelGradient* Gradient();
  void SetGradient(TKelGradient* value);
  // Created on first access: not visible, size 3.
  TKelEmboss* Emboss();
  void SetEmboss(TKelEmboss* value);
  TKelShadow* Shadow();
  void SetShadow(TKelShadow* value);
  // Created on first access.
  TKelPicture* Picture();
  void SetPicture(TKelPicture* value);

  void Assign(const TPersistent* source) override;

 private:
  TChartSeries* FSeries;
  bool FDark3D = true;
  int32_t FDepth = 0;
  bool FDraw3D = true;
  std::unique_ptr<TKelEmboss> FEmboss;
  bool FFullGradient = false;
  int32_t FHorizSize = 4;
  bool FInflateMargins = true;
  std::unique_ptr<TKelPicture> FPicture;
  std::unique_ptr<TKelShadow> FShadow;
  TSeriesPointerStyle FStyle = psRectangle;
  TKelTransparency FTransparency = 0;
  int32_t FVertSize = 4;
};

}  // namespace kel
