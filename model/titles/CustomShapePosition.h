// The text shape that can be placed at a custom position.
#pragma once

#include <cstdint>

#include "model/titles/CustomTextShape.h"

namespace kel {

// A text shape that the user may place at a position of their own.
class TKelCustomShapePosition : public TCustomTextShape {
  KEL_CLASS(TKelCustomShapePosition, TCustomTextShape)

 public:
  using TCustomTextShape::TCustomTextShape;

  bool CustomPosition() const { return FCustomPosition; }
  void SetCustomPosition(bool value) { SetAndNotify(FCustomPosition, value); }
  // The shape's left and top bounds; setting either places the shape at a
  // custom position.
  int32_t Left() const { return FLeft; }
  void SetLeft(int32_t value);
  int32_t Top() const { return FTop; }
  void SetTop(int32_t value);

  bool DefaultCustom = false;

  void Assign(const TPersistent* source) override;

 private:
  bool FCustomPosition = false;
  int32_t FLeft = 0;
  int32_t FTop = 0;
};

}  // namespace kel
