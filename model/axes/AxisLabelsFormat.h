// The format an axis's labels are drawn with.
#pragma once

#include "model/attributes/Brush.h"  // the shapes make their brushes inline
#include "model/titles/CustomTextShape.h"

namespace kel {

// The look of an axis's labels: centred text, transparent. Its Visible flag
// is the axis's Labels.
class TAxisLabelsFormat : public TCustomTextShape {
  KEL_CLASS(TAxisLabelsFormat, TCustomTextShape)

 public:
  explicit TAxisLabelsFormat(TCustomKelPanel* parent);
};

}  // namespace kel
