// The standard series family: line, point, area, bar, pie and fast line
// series with their horizontal variants.
#pragma once

#include "model/standard/AreaSeries.h"
#include "model/standard/BarSeries.h"
#include "model/standard/FastLineSeries.h"
#include "model/standard/LineSeries.h"
#include "model/standard/PieSeries.h"
#include "model/standard/PointSeries.h"

namespace kel {

// Registers every standard series class by name, so chart files naming them
// load.
void RegisterStandardSeriesClasses();

}  // namespace kel
