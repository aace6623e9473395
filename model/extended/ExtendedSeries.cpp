#include "model/extended/ExtendedSeries.h"

#include "persist/ClassRegistry.h"

namespace kel {

void RegisterExtendedSeriesClasses() {
  RegisterClasses({&TGanttSeries::StaticClassInfo(), &TBubbleSeries::StaticClassInfo(),
                   &TArrowSeries::StaticClassInfo(), &TOHLCSeries::StaticClassInfo(),
                   &TCandleSeries::StaticClassInfo(), &TVolumeSeries::StaticClassInfo(),
                   &TChartShape::StaticClassInfo()});
}

}  // namespace kel
