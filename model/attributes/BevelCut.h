// How a frame's bevel is cut, shared by the chart's panel and the shapes.
#pragma once

#include "persist/TypeInfo.h"

namespace kel {

KEL_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

}  // namespace kel
