#include "model/titles/ZoomPanning.h"

namespace kel {

KEL_PROPERTIES(TZoomPanning)

}  // namespace kel
