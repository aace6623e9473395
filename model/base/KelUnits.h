// The units that chart positions and margins are given in.
#pragma once

#include "persist/TypeInfo.h"

namespace kel {

KEL_ENUM(TKelUnits, muPercent, muPixels)

}  // namespace kel
