#include "model/standard/StandardSeries.h"

namespace kel {

void RegisterStandardSeriesClasses() {
  RegisterLineSeriesClasses();
  RegisterBarSeriesClasses();
  RegisterPieSeriesClasses();
  RegisterFastLineSeriesClasses();
}

}  // namespace kel
