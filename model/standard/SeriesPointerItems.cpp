#include "model/standard/SeriesPointerItems.h"

namespace kel {

KEL_PROPERTIES(TSeriesPointerItems)

}  // namespace kel
