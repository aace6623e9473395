// The tick marks of an axis.
#pragma once

#include "model/attributes/Pen.h"

namespace kel {

// The outer, inner and minor tick marks: gray.
class TTicks : public TDarkGrayPen {
  KEL_CLASS(TTicks, TDarkGrayPen)

 public:
  explicit TTicks(TNotifyEvent onChange = {}) : TDarkGrayPen(std::move(onChange)) {}
};

}  // namespace kel
