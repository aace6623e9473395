// The pointer a line, point or area series draws its points with.
#pragma once

#include "model/series/SeriesPointer.h"

namespace kel {

class TSeriesPointerItems : public TSeriesPointer {
  KEL_CLASS(TSeriesPointerItems, TSeriesPointer)

 public:
  using TSeriesPointer::TSeriesPointer;
};

}  // namespace kel
