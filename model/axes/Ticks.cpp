#include "model/axes/Ticks.h"

namespace kel {

KEL_PROPERTIES(TTicks)

}  // namespace kel
