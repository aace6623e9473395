#include "model/standard/StandardSeries.h"

#include "persist/ClassRegistry.h"

namespace kel {

void RegisterStandardSeriesClasses() {
  RegisterClasses({&TLineSeries::StaticClassInfo(), &THorizLineSeries::StaticClassInfo(),
                   &TPointSeries::StaticClassInfo(), &TAreaSeries::StaticClassInfo(),
                   &THorizAreaSeries::StaticClassInfo(), &TBarSeries::StaticClassInfo(),
                   &THorizBarSeries::StaticClassInfo(), &TPieSeries::StaticClassInfo(),
                   &TFastLineSeries::StaticClassInfo()});
}

}  // namespace kel
