// The background shape of an axis.
#pragma once

#include "model/attributes/Brush.h"  // the shapes make their brushes inline
#include "model/attributes/Shape.h"

namespace kel {

// The background of an axis: hidden until shown, drawn in 3D, without shadow.
class TAxisBackShape : public TKelShape {
  KEL_CLASS(TAxisBackShape, TKelShape)

 public:
  explicit TAxisBackShape(TCustomKelPanel* parent);
};

}  // namespace kel
