// The chart's zoom settings, with the pen and brush of the zoom rectangle.
#pragma once

#include <cstdint>
#include <memory>

#include "model/attributes/Brush.h"
#include "model/attributes/Pen.h"
#include "model/titles/ZoomPanning.h"

namespace kel {

KEL_ENUM(TKelZoomDirection, tzdHorizontal, tzdVertical, tzdBoth)

// The outline of the zoom rectangle: silver, 3 pixels wide, flat ends.
class TKelZoomPen : public TKelPen {
  KEL_CLASS(TKelZoomPen, TKelPen)

 public:
  TKelZoomPen();

  TColor DefaultColor = clSilver;
};

// The inside of the zoom rectangle: white and clear.
class TKelZoomBrush : public TKelBrush {
  KEL_CLASS(TKelZoomBrush, TKelBrush)

 public:
  TKelZoomBrush();
};

class TKelZoom : public TZoomPanning {
  KEL_CLASS(TKelZoom, TZoomPanning)

 public:
  TKelZoom();
  ~TKelZoom() override;

  bool FAllow = true;
  bool FAnimated = false;
  bool FFullRepaint = false;
  bool FKeepAspect = false;
  bool FUpLeftZooms = false;
  int32_t FAnimatedSteps = 8;
  int32_t FMinimumPixels = 16;
  TKelZoomDirection FDirection = tzdBoth;
  TShiftState FKeyShift;
  TMouseButton FMouseButton = mbLeft;
  TMouseWheelStyle FMouseWheel = pmwNone;

  bool History() const { return FHistory; }
  void SetHistory(bool value) { FHistory = value; }

  // Both created on first access.
  TKelZoomBrush* Brush();
  void SetBrush(TKelZoomBrush* value) { Brush()->Assign(value); }
  TKelZoomPen* Pen();
  void SetPen(TKelZoomPen* value) { Pen()->Assign(value); }

  void Assign(const TPersistent* source) override;

 private:
  // Whether zooming records the previous axis ranges for undoing. The
  // converter never zooms, so there is no record to keep or clear.
  bool FHistory = false;
  std::unique_ptr<TKelZoomBrush> FBrush;
  std::unique_ptr<TKelZoomPen> FPen;
};

}  // namespace kel
