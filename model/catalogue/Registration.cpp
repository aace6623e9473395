#include "model/catalogue/Registration.h"

#include <mutex>

#include "model/attributes/AttributeClasses.h"
#include "model/axes/ChartAxes.h"
#include "model/catalogue/CatalogueRegistration.h"
#include "model/chart/Chart.h"
#include "model/extended/ExtendedSeries.h"
#include "model/functions/FunctionClasses.h"
#include "model/series/ChartSeries.h"
#include "model/standard/StandardSeries.h"
#include "model/tools/ToolClasses.h"

namespace kel {

void RegisterModelAreaClasses() {
  RegisterAttributeClasses();
  RegisterAxisClasses();
  RegisterChartClasses();
  RegisterSeriesClasses();
  RegisterStandardSeriesClasses();
  RegisterFunctionClasses();
  RegisterExtendedSeriesClasses();
  RegisterToolClasses();
}

void RegisterModelClasses() {
  static std::once_flag registered;
  std::call_once(registered, [] {
    RegisterModelAreaClasses();
    // The catalogue comes last: it takes the classes the areas registered as
    // they are. It stays until the process ends.
    static const TCatalogueRegistration catalogue;
  });
}

}  // namespace kel
