#include "model/standard/CustomLineSeries.h"

namespace kel {

KEL_PROPERTIES(TCustomLineSeries)

}  // namespace kel
