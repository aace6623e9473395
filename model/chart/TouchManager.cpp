#include "model/chart/TouchManager.h"

namespace kel {

KEL_PROPERTIES(TTouchManager)

}  // namespace kel
