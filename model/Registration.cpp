#include "model/Registration.h"

#include <mutex>

#include "model/AttributeClasses.h"
#include "model/Chart.h"
#include "model/ChartAxes.h"
#include "model/ChartSeries.h"
#include "model/SeriesGallery.h"
#include "model/StandardSeries.h"

namespace kel {

void RegisterModelClasses() {
  static std::once_flag registered;
  std::call_once(registered, [] {
    RegisterAttributeClasses();
    RegisterAxisClasses();
    RegisterChartClasses();
    RegisterSeriesClasses();
    RegisterStandardSeriesClasses();
    RegisterStandardSeriesGallery();
  });
}

}  // namespace kel
