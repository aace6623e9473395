#include "model/series/SeriesMarkShape.h"

namespace kel {

KEL_PROPERTIES(TSeriesMarkShape)

void TSeriesMarkShape::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TSeriesMarkShape*>(source)) {
    FStyle = shape->FStyle;
  }
  inherited::Assign(source);
}

}  // namespace kel
