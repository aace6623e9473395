// The text shape that publishes its box, its text and its position.
#pragma once

#include "model/titles/CustomShapePosition.h"

namespace kel {

// Publishes the box, the text and the position.
class TTextShape : public TKelCustomShapePosition {
  KEL_CLASS(TTextShape, TKelCustomShapePosition)

 public:
  using TKelCustomShapePosition::TKelCustomShapePosition;
};

}  // namespace kel
