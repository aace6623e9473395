// The standard series family: line, point, area, bar, pie and fast line
// series with their horizontal variants.
#pragma once

#include "model/BarSeries.h"
#include "model/FastLineSeries.h"
#include "model/LineSeries.h"
#include "model/PieSeries.h"

namespace kel {

// Registers every standard series class by name, so chart files naming them
// load.
void RegisterStandardSeriesClasses();

}  // namespace kel
