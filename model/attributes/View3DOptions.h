// The 3D view of a chart panel: rotation, elevation, perspective, zoom and
// offsets. Angles and offsets are kept as real numbers (zooming and rotating
// move them in fractions) and published as whole numbers.
#pragma once

#include <cstdint>

#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"

namespace kel {

KEL_ENUM(TCanvasZoomText, ztManual, ztNo, ztAuto)

class TView3DOptions : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TView3DOptions, TPersistent)

 public:
  // onChange repaints the panel.
  explicit TView3DOptions(TNotifyEvent onChange = {}) : TChangeNotifier(std::move(onChange)) {}

  int32_t Elevation() const { return Rounded(FElevation); }
  void SetElevation(int32_t value) { SetAndNotify(FElevation, value); }
  int32_t FontZoom() const { return FFontZoom; }
  void SetFontZoom(int32_t value) { SetAndNotify(FFontZoom, value); }
  int32_t HorizOffset() const { return Rounded(FHorizOffset); }
  void SetHorizOffset(int32_t value) { SetAndNotify(FHorizOffset, value); }
  int32_t OrthoAngle() const { return FOrthoAngle; }
  void SetOrthoAngle(int32_t value) { SetAndNotify(FOrthoAngle, value); }
  bool Orthogonal() const { return FOrthogonal; }
  void SetOrthogonal(bool value) { SetAndNotify(FOrthogonal, value); }
  int32_t Perspective() const { return FPerspective; }
  // Values above 100 are stored as 100.
  void SetPerspective(int32_t value);
  int32_t Rotation() const { return Rounded(FRotation); }
  void SetRotation(int32_t value) { SetAndNotify(FRotation, value); }
  int32_t Tilt() const { return Rounded(FTilt); }
  void SetTilt(int32_t value) { SetAndNotify(FTilt, value); }
  int32_t VertOffset() const { return Rounded(FVertOffset); }
  void SetVertOffset(int32_t value) { SetAndNotify(FVertOffset, value); }
  int32_t Zoom() const { return Rounded(FZoom); }
  void SetZoom(int32_t value) { SetAndNotify(FZoom, value); }
  TCanvasZoomText ZoomText() const { return FZoomText; }
  void SetZoomText(TCanvasZoomText value) { SetAndNotify(FZoomText, value); }

  // The exact values behind the whole-number properties.
  double FElevation = 345;
  double FHorizOffset = 0;
  double FRotation = 345;
  double FTilt = 0;
  double FVertOffset = 0;
  double FZoom = 100;
  double FZOffset = 0;

  void Assign(const TPersistent* source) override;

 private:
  // Nearest whole number, halves to even; saturated at the integer range.
  static int32_t Rounded(double value);

  int32_t FFontZoom = 100;
  int32_t FOrthoAngle = 45;
  bool FOrthogonal = true;
  int32_t FPerspective = 15;
  TCanvasZoomText FZoomText = ztManual;
};

}  // namespace kel
