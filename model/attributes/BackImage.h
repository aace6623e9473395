// A picture placed behind an element: stretched, tiled, centred or at custom
// bounds.
#pragma once

#include <cstdint>

#include "model/attributes/Picture.h"

namespace kel {

KEL_ENUM(TCanvasStretchQuality, sqHigh, sqLow)
KEL_ENUM(TKelBackImageMode, pbmStretch, pbmTile, pbmCenter, pbmCustom)

class TBackImage : public TKelPicture {
  KEL_CLASS(TBackImage, TKelPicture)

 public:
  // The owner attaches its notification after creating it (SetOnChange).
  TBackImage() = default;

  int32_t Bottom() const { return FBottom; }
  void SetBottom(int32_t value) { SetAndNotify(FBottom, value); }
  TCanvasStretchQuality DrawQuality() const { return FDrawQuality; }
  void SetDrawQuality(TCanvasStretchQuality value) { SetAndNotify(FDrawQuality, value); }
  bool Inside() const { return FInside; }
  void SetInside(bool value) { SetAndNotify(FInside, value); }
  int32_t Left() const { return FLeft; }
  void SetLeft(int32_t value) { SetAndNotify(FLeft, value); }
  TKelBackImageMode Mode() const { return FMode; }
  void SetMode(TKelBackImageMode value) { SetAndNotify(FMode, value); }
  int32_t Right() const { return FRight; }
  void SetRight(int32_t value) { SetAndNotify(FRight, value); }
  int32_t Top() const { return FTop; }
  void SetTop(int32_t value) { SetAndNotify(FTop, value); }

  // Copies the placement, then the filters and the graphic.
  void Assign(const TPersistent* source) override;

 private:
  int32_t FBottom = 0;
  TCanvasStretchQuality FDrawQuality = sqHigh;
  bool FInside = false;
  int32_t FLeft = 0;
  TKelBackImageMode FMode = pbmStretch;
  int32_t FRight = 0;
  int32_t FTop = 0;
};

}  // namespace kel
